#include "DesignFigures.h"

#include "RequestApproximation.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The bound of |A_h - A| / f on band, from one of |A_h - A| everywhere: A_h - A is a
// trigonometric polynomial of degree N / 2 and 0 at f = 0, so its slope is at most
// pi N times its largest value (Bernstein).
double relativeRounding(const CApproximation& a, const CBand& band, double rounding)
{
    if (!IsProportional(a, band))
        return rounding;
    return rounding * std::min(band.lo > 0.0 ? 1.0 / band.lo : HUGE_VAL, kPi * a.nLength);
}

// The largest deviation in each band of a (guard bands too), from the extrema.
std::vector<double> extremaDeviations(const CApproximation& a, const std::vector<CExtremum>& extrema)
{
    std::vector<double> largest(a.bands.size(), 0.0);
    for (const CExtremum& x : extrema) {
        const size_t b = static_cast<size_t>(x.band);
        largest[b] = std::max(largest[b], (std::abs(x.error) + x.bound) / a.bands[b].weight);
    }
    return largest;
}

// Each request band's deviation, in increasing frequency, the coefficients' rounding added.
std::vector<double> requestDeviations(const CApproximation& a, const std::vector<CExtremum>& extrema, double rounding)
{
    const std::vector<double> onBands = extremaDeviations(a, extrema);
    std::vector<double> deviations;
    for (size_t b = 0; b < a.bands.size(); ++b)
        if (!a.bands[b].guard)
            deviations.push_back(onBands[b] + relativeRounding(a, a.bands[b], rounding));
    return deviations;
}

void setPassAndStop(const CApproximation& a, CEquirippleDesign& design)
{
    size_t k = 0;
    for (const CBand& band : a.bands) {
        if (band.guard)
            continue;
        double& largest = band.gain != 0.0 ? design.dPassDeviation : design.dStopDeviation;
        largest = std::max(largest, design.bandDeviations[k++]);
    }
}

}  // namespace

CEquirippleDesign DesignFigures(const CApproximation& a, const CExchangeResult& exchange, CAmplitudeCoefficients c,
    bool floor)
{
    CEquirippleDesign design{std::move(c.h), {}, {}, {}, 0.0, 0.0, 0.0, false, 0};
    for (const CExtremum& x : exchange.reference) {
        design.extremalFrequencies.push_back(x.f);
        design.extremalErrors.push_back(x.error);
    }
    design.bandDeviations = requestDeviations(a, exchange.extrema, c.rounding);
    setPassAndStop(a, design);
    design.bAtRoundingFloor = exchange.bAtRoundingFloor || floor;
    design.dSpread = floor ? 1.0 - std::abs(exchange.dDelta) / LargestWeightedError(a, design) : exchange.dSpread;
    design.nIterations = exchange.nIterations;
    return design;
}

double LargestWeightedError(const CApproximation& a, const CEquirippleDesign& design)
{
    double largest = 0.0;
    size_t k = 0;
    for (const CBand& band : a.bands)
        if (!band.guard)
            largest = std::max(largest, band.weight * design.bandDeviations[k++]);
    return largest;
}

CEquirippleDesign HalfBandDesign(const CEquirippleDesign& g)
{
    const double deviation = 0.5 * g.bandDeviations.front();
    CEquirippleDesign design{HalfBandCoefficients(g.coefficients), {}, {}, {deviation, deviation}, deviation, deviation,
        g.dSpread, g.bAtRoundingFloor, g.nIterations};
    const std::vector<double>& f = g.extremalFrequencies;
    for (size_t i = 0; i < f.size(); ++i)
        design.extremalFrequencies.push_back(0.5 * f[i]), design.extremalErrors.push_back(0.5 * g.extremalErrors[i]);
    for (size_t i = f.size(); i-- > 0;)
        design.extremalFrequencies.push_back(0.5 - 0.5 * f[i]), design.extremalErrors.push_back(-0.5 * g.extremalErrors[i]);
    return design;
}

}  // namespace equiripple
