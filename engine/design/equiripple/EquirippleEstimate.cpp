// How long an equiripple filter a request needs.
#include "EquirippleDesign.h"
#include "FilterLimits.h"
#include "FilterTypes.h"
#include "Message.h"
#include "RequestApproximation.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Herrmann's formula falls short of some requests by up to two fifths (narrow bands,
// large ripples), so the estimate designs the filter: at the formula's length and then at
// lengths larger by this factor, up to kChecks designs, until one meets the request.
constexpr double kGrowth = 1.08;
constexpr int kChecks = 8;

// The length of Herrmann, Rabiner and Chan for the larger deviation 10^l1, the smaller
// 10^l2 and the transition width.
double herrmannLength(double l1, double l2, double width)
{
    const double d = (5.309e-3 * l1 * l1 + 7.114e-2 * l1 - 0.4761) * l2 - (2.66e-3 * l1 * l1 + 0.5941 * l1 + 0.4278);
    return d / width - (11.01217 + 0.51244 * (l1 - l2)) * width + 1.0;
}

// What the formula works from: the deviations allowed in the pass and stop bands and the
// narrowest transition band.
struct CBasis {
    double pass, stop, width;
};

// The deviations a design with the request's own weights w_b must reach to meet its
// ripple and attenuation: it levels w_b times each band's deviation to one error E, so
// every band meets its deviation d_b only for E <= min w_b d_b, and band b then deviates
// by that E / w_b. Without weights: the pass and stop deviations.
std::pair<double, double> weightedDeviations(const CEquirippleRequest& r)
{
    const double pass = PassDeviation(r.dRipple), stop = StopDeviation(r.dAttenuation);
    if (r.weights.empty())
        return {pass, stop};
    CEquirippleRequest sized = r;
    sized.nLength = 3;
    const std::vector<equiripple::CBand> bands = equiripple::ApproximationOf(sized).bands;
    double level = HUGE_VAL;
    for (const equiripple::CBand& b : bands)
        level = std::min(level, b.weight * (b.gain != 0.0 ? pass : stop));
    double passOf = HUGE_VAL, stopOf = HUGE_VAL;
    for (const equiripple::CBand& b : bands) {
        double& deviation = b.gain != 0.0 ? passOf : stopOf;
        deviation = std::min(deviation, level / b.weight);
    }
    return {passOf, stopOf};
}

// A Hilbert transformer with band F, 0.5 - F is a half-band low pass of transition 2 F
// and half its deviation, shifted by a quarter of the sampling frequency.
std::optional<CBasis> basisOf(const CEquirippleRequest& r)
{
    const auto [pass, stop] = weightedDeviations(r);
    const std::vector<double>& e = r.edges;
    switch (r.nType) {
    case LowPass: case HighPass: return CBasis{pass, stop, e[1] - e[0]};
    case BandPass: case BandElimination: return CBasis{pass, stop, std::min(e[1] - e[0], e[3] - e[2])};
    case HalfBand: return CBasis{std::min(pass, stop), std::min(pass, stop), 0.5 - 2.0 * e[0]};
    case Hilbert: return CBasis{0.5 * pass, 0.5 * pass, 2.0 * (e[1] < 0.5 ? std::min(e[0], 0.5 - e[1]) : e[0])};
    default: return std::nullopt;
    }
}

// The smallest length of at least n that the request's type can have.
int lengthFor(CEquirippleRequest request, double n)
{
    request.nLength = std::max(1, static_cast<int>(std::ceil(n)));
    while (!EquirippleLengthProblem(request).empty())
        ++request.nLength;
    return request.nLength;
}

bool meetsRequest(CEquirippleRequest request, int n)
{
    request.nLength = n;
    const std::optional<CEquirippleDesign> d = TryDesignEquiripple(request);
    if (!d)
        return false;
    const double pass = PassDeviation(request.dRipple), stop = StopDeviation(request.dAttenuation);
    if (request.nType == HalfBand)
        return std::max(d->dPassDeviation, d->dStopDeviation) <= std::min(pass, stop);
    return d->dPassDeviation <= pass && (request.nType == Hilbert || d->dStopDeviation <= stop);
}

// The length by Herrmann's formula alone.
CLengthEstimate lengthByFormula(const CEquirippleRequest& request)
{
    CEquirippleRequest checked = request;
    checked.nLength = 1;
    CheckEquirippleRequest(checked);
    const std::optional<CBasis> basis = basisOf(request);
    if (!basis)
        return {0, text::Tr("EquirippleRequest", "There is no length estimate for this filter type; choose a length and "
                                                 "look at the filter's properties.")};
    const double l1 = std::log10(std::max(basis->pass, basis->stop)), l2 = std::log10(std::min(basis->pass, basis->stop));
    const double length = herrmannLength(l1, l2, basis->width);
    if (!std::isfinite(length))
        return {0, text::Tr("EquirippleRequest", "No finite filter length meets these conditions.")};
    if (length > kMaxFilterLength)
        return {static_cast<int>(std::min(std::round(length), double(INT_MAX))),
            text::Tr("EquirippleRequest",
                "The estimated filter length, about %1, exceeds %2; allow a wider transition band, "
                "more ripple or less attenuation.")
                .arg(std::llround(length))
                .arg(kMaxFilterLength)};
    return {lengthFor(request, length), {}};
}

}  // namespace

CLengthEstimate EstimateEquirippleLength(const CEquirippleRequest& request)
{
    CLengthEstimate estimate = lengthByFormula(request);
    for (int check = 0; check < kChecks && estimate.strError.empty() && estimate.nLength <= kMaxEquirippleLength; ++check) {
        if (meetsRequest(request, estimate.nLength))
            break;
        estimate.nLength = lengthFor(request, estimate.nLength * kGrowth);
    }
    return estimate;
}
