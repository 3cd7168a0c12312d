// What an equiripple request asks for, and how long a filter it needs.
#include "EquirippleDesign.h"
#include "FilterLimits.h"
#include "Message.h"

#include "FilterTypes.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Herrmann's formula falls short of some requests by up to two fifths (narrow bands,
// large ripples), so the estimate designs the filter: at the formula's length and then at
// lengths larger by this factor, up to kChecks designs, until one meets the request with
// this margin (between grid points the error rises by up to a few percent).
constexpr double kGrowth = 1.08;
constexpr int kChecks = 8;
constexpr double kGridMargin = 1.05;

void checkEdges(const CEquirippleRequest& request)
{
    const size_t count = request.nType >= BandPass ? 4 : 2;
    if (request.edges.size() != count)
        throw std::invalid_argument(count == 4 ? text::Tr("EquirippleRequest", "a band filter needs 4 band edges")
                                               : text::Tr("EquirippleRequest", "this filter type needs 2 band edges"));
    double previous = 0.0;
    for (double edge : request.edges) {
        if (!(edge > previous && edge < 0.5))
            throw std::invalid_argument(
                text::Tr("EquirippleRequest", "band edges must increase strictly between 0 and 0.5"));
        previous = edge;
    }
}

// The length of Herrmann, Rabiner and Chan for the larger deviation 10^l1, the smaller
// 10^l2 and the transition width.
double herrmannLength(double l1, double l2, double width)
{
    const double d = (5.309e-3 * l1 * l1 + 7.114e-2 * l1 - 0.4761) * l2 - (2.66e-3 * l1 * l1 + 0.5941 * l1 + 0.4278);
    return d / width - (11.01217 + 0.51244 * (l1 - l2)) * width + 1.0;
}

double narrowestTransition(const std::vector<double>& edges)
{
    return edges.size() == 4 ? std::min(edges[1] - edges[0], edges[3] - edges[2]) : edges[1] - edges[0];
}

int lengthFor(int type, double n)
{
    const int length = std::max(1, static_cast<int>(std::ceil(n)));
    return EquirippleLengthProblem(type, length).empty() ? length : length + 1;
}

bool meetsRequest(CEquirippleRequest request, int n)
{
    request.nLength = n;
    const std::optional<CEquirippleDesign> d = TryDesignEquiripple(request);
    return d && d->dPassDeviation * kGridMargin <= PassDeviation(request.dRipple)
        && d->dStopDeviation * kGridMargin <= StopDeviation(request.dAttenuation);
}

// The length by Herrmann's formula alone.
CLengthEstimate lengthByFormula(const CEquirippleRequest& request)
{
    CEquirippleRequest checked = request;
    checked.nLength = 1;
    CheckEquirippleRequest(checked);
    const double pass = PassDeviation(request.dRipple), stop = StopDeviation(request.dAttenuation);
    const double l1 = std::log10(std::max(pass, stop)), l2 = std::log10(std::min(pass, stop));
    const double length = herrmannLength(l1, l2, narrowestTransition(request.edges));
    if (!std::isfinite(length))
        return {0, text::Tr("EquirippleRequest", "No finite filter length meets these conditions.")};
    if (length > kMaxFilterLength)
        return {static_cast<int>(std::min(std::round(length), double(INT_MAX))),
            text::Tr("EquirippleRequest",
                "The estimated filter length, about %1, exceeds %2; allow a wider transition band, "
                "more ripple or less attenuation.")
                .arg(std::llround(length))
                .arg(kMaxFilterLength)};
    return {lengthFor(request.nType, length), {}};
}

}  // namespace

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
    if (request.nType < LowPass || request.nType > BandElimination)
        throw std::invalid_argument(text::Tr("EquirippleRequest", "filter type must be 0 to 3"));
    if (request.nLength < 1 || request.nLength > kMaxEquirippleLength)
        throw std::invalid_argument(
            text::Tr("EquirippleRequest", "filter length must be 1 to %1").arg(kMaxEquirippleLength));
    checkEdges(request);
    if (!(request.dRipple > 0.0 && std::isfinite(request.dRipple)))
        throw std::invalid_argument(text::Tr("EquirippleRequest", "ripple must be a positive number of dB"));
    if (!(request.dAttenuation > 0.0 && std::isfinite(request.dAttenuation)))
        throw std::invalid_argument(text::Tr("EquirippleRequest", "attenuation must be a positive number of dB"));
}

std::string EquirippleLengthProblem(int type, int n)
{
    if (n % 2 == 1 || (type != HighPass && type != BandElimination))
        return {};
    if (type == HighPass)
        return text::Tr("EquirippleRequest", "An even length cannot give a high pass filter: its response is zero at "
                                             "half the sampling frequency. Use an odd length, such as %1.")
            .arg(n + 1);
    return text::Tr("EquirippleRequest", "An even length cannot give a band elimination filter: its response is zero "
                                         "at half the sampling frequency. Use an odd length, such as %1.")
        .arg(n + 1);
}

CLengthEstimate EstimateEquirippleLength(const CEquirippleRequest& request)
{
    CLengthEstimate estimate = lengthByFormula(request);
    for (int check = 0; check < kChecks && estimate.strError.empty() && estimate.nLength <= kMaxEquirippleLength; ++check) {
        if (meetsRequest(request, estimate.nLength))
            break;
        estimate.nLength = lengthFor(request.nType, estimate.nLength * kGrowth);
    }
    return estimate;
}
