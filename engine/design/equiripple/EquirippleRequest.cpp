// What an equiripple request may ask for, and the lengths each type can have.
#include "EquirippleDesign.h"
#include "FilterTypes.h"
#include "Message.h"

#include <cmath>

namespace {

bool isFinite(double v) { return std::isfinite(v); }

// The number of edges of the types that take edges: 2, 4, 2 (Hilbert) or 1 (half-band);
// 0 for the types that take bands.
size_t edgeCount(int type)
{
    switch (type) {
    case LowPass: case HighPass: case Hilbert: return 2;
    case BandPass: case BandElimination: return 4;
    case HalfBand: return 1;
    default: return 0;
    }
}

void checkEdges(const CEquirippleRequest& request)
{
    const size_t count = edgeCount(request.nType);
    if (request.edges.size() != count)
        throw std::invalid_argument(text::Tr("EquirippleRequest", "this filter type needs %1 band edge(s)").arg(static_cast<int>(count)));
    // A Hilbert transformer's band may reach 0.5; a half-band filter's pass edge stays below 0.25.
    const double top = request.nType == HalfBand ? 0.25 : 0.5;
    double previous = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const double edge = request.edges[i];
        const bool last = i + 1 == count;
        if (!(edge > previous && (edge < top || (request.nType == Hilbert && last && edge == top))))
            throw std::invalid_argument(request.nType == HalfBand
                    ? text::Tr("EquirippleRequest", "the pass edge of a half-band filter must lie between 0 and 0.25")
                    : text::Tr("EquirippleRequest", "band edges must increase strictly between 0 and 0.5"));
        previous = edge;
    }
}

void checkWeights(const CEquirippleRequest& request)
{
    if (request.weights.empty())
        return;
    const size_t bands = edgeCount(request.nType) / 2 + 1;
    if (request.nType > BandElimination || request.weights.size() != bands)
        throw std::invalid_argument(
            text::Tr("EquirippleRequest", "weights: this filter type takes %1, one per band").arg(static_cast<int>(bands)));
    for (double w : request.weights)
        if (!(w > 0.0 && isFinite(w)))
            throw std::invalid_argument(text::Tr("EquirippleRequest", "a weight must be a positive number"));
}

void checkBands(const CEquirippleRequest& request)
{
    const bool takesBands = request.nType == Multiband || request.nType == Differentiator;
    if (!takesBands) {
        if (!request.bands.empty())
            throw std::invalid_argument(text::Tr("EquirippleRequest", "only multiband filters and differentiators take bands"));
        return;
    }
    if (request.bands.empty() || request.bands.size() > static_cast<size_t>(kMaxEquirippleBands))
        throw std::invalid_argument(text::Tr("EquirippleRequest", "a design takes 1 to %1 bands").arg(kMaxEquirippleBands));
    double previousEnd = -1.0;
    for (const CEquirippleBand& b : request.bands) {
        if (!(b.dFrom >= 0.0 && b.dFrom > previousEnd && b.dTo > b.dFrom && b.dTo <= 0.5))
            throw std::invalid_argument(text::Tr("EquirippleRequest",
                "bands must lie within 0 .. 0.5, each ending above its start and before the next begins"));
        if (!isFinite(b.dGain) || std::abs(b.dGain) > 1e6)
            throw std::invalid_argument(text::Tr("EquirippleRequest", "a band's gain must be a number of size at most 1e6"));
        if (!(b.dWeight > 0.0 && isFinite(b.dWeight)))
            throw std::invalid_argument(text::Tr("EquirippleRequest", "a weight must be a positive number"));
        previousEnd = b.dTo;
    }
}

// The highest frequency the request asks a gain other than 0 at, and whether that
// reaches 0.5.
bool gainAtHalf(const CEquirippleRequest& request)
{
    if (request.nType == Hilbert)
        return request.edges.back() == 0.5;
    if (request.nType == Multiband || request.nType == Differentiator)
        return request.bands.back().dTo == 0.5 && request.bands.back().dGain != 0.0;
    return request.nType == HighPass || request.nType == BandElimination;
}

// Why a half-band filter cannot have n coefficients, or empty.
std::string halfBandLengthProblem(int n)
{
    if (n % 4 == 3)
        return {};
    const int below = n - (n + 1) % 4, above = below + 4;
    if (below < 3)
        return text::Tr("EquirippleRequest", "A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use 3.");
    return text::Tr("EquirippleRequest", "A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use %1 or %2.")
        .arg(below)
        .arg(above);
}

// Why an antisymmetric filter (Hilbert transformer, differentiator) cannot have its
// length, or empty.
std::string antisymmetricLengthProblem(const CEquirippleRequest& request)
{
    const int n = request.nLength;
    if (n % 2 == 1 && gainAtHalf(request))
        return text::Tr("EquirippleRequest", "An odd length gives an antisymmetric filter that is zero at half the "
                                             "sampling frequency, where its band reaches. Use an even length, such as %1.")
            .arg(n + 1);
    if (n == 1)
        return text::Tr("EquirippleRequest", "An antisymmetric filter of one coefficient is zero everywhere. Use a length of at least 2.");
    return {};
}

// Why a symmetric filter cannot have its length, or empty: an even one is zero at 0.5.
std::string symmetricLengthProblem(const CEquirippleRequest& request)
{
    const int n = request.nLength;
    if (n % 2 == 1 || !gainAtHalf(request))
        return {};
    if (request.nType == HighPass)
        return text::Tr("EquirippleRequest", "An even length cannot give a high pass filter: its response is zero at "
                                             "half the sampling frequency. Use an odd length, such as %1.")
            .arg(n + 1);
    if (request.nType == BandElimination)
        return text::Tr("EquirippleRequest", "An even length cannot give a band elimination filter: its response is zero "
                                             "at half the sampling frequency. Use an odd length, such as %1.")
            .arg(n + 1);
    return text::Tr("EquirippleRequest", "An even length gives a response that is zero at half the sampling frequency, "
                                         "where a band of gain other than 0 reaches. Use an odd length, such as %1.")
        .arg(n + 1);
}

}  // namespace

bool CEquirippleBand::operator==(const CEquirippleBand& other) const
{
    return dFrom == other.dFrom && dTo == other.dTo && dGain == other.dGain && dWeight == other.dWeight;
}

double PassDeviation(double rippleDb)
{
    // (p - 1) / (p + 1) for p = 10^(ripple / 20), with p - 1 by expm1 so that a tiny ripple
    // keeps a tolerance above 0 instead of rounding p to 1.
    const double pMinusOne = std::expm1(rippleDb * std::log(10.0) / 20.0);
    return pMinusOne / (pMinusOne + 2.0);
}

double StopDeviation(double attenuationDb) { return std::pow(10.0, -attenuationDb / 20.0); }

void CheckEquirippleRequest(const CEquirippleRequest& request)
{
    if (request.nType < LowPass || request.nType > HalfBand)
        throw std::invalid_argument(text::Tr("EquirippleRequest", "filter type must be 0 to 7"));
    if (request.nLength < 1 || request.nLength > kMaxEquirippleLength)
        throw std::invalid_argument(
            text::Tr("EquirippleRequest", "filter length must be 1 to %1").arg(kMaxEquirippleLength));
    checkEdges(request);
    checkWeights(request);
    checkBands(request);
    if (!(request.dRipple > 0.0 && isFinite(request.dRipple)))
        throw std::invalid_argument(text::Tr("EquirippleRequest", "ripple must be a positive number of dB"));
    if (!(request.dAttenuation > 0.0 && isFinite(request.dAttenuation)))
        throw std::invalid_argument(text::Tr("EquirippleRequest", "attenuation must be a positive number of dB"));
}

std::string EquirippleLengthProblem(const CEquirippleRequest& request)
{
    if (request.nType == HalfBand)
        return halfBandLengthProblem(request.nLength);
    if (request.nType == Hilbert || request.nType == Differentiator)
        return antisymmetricLengthProblem(request);
    return symmetricLengthProblem(request);
}
