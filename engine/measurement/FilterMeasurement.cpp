#include "FilterMeasurement.h"

#include "DisplayData.h"
#include "FilterDesign.h"
#include "GroupDelay.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace {

constexpr double kSymmetryTolerance = 1e-9;
constexpr int kMaxMeasuredLength = 1 << 26;

using Magnitudes = CRealArray;

void checkRecord(const CDesignRecord& d)
{
    if (d.nType < LowPass || d.nType > BandElimination)
        throw std::invalid_argument("filter type must be 0 to 3");
    if (!(d.dLow >= 0.0 && d.dLow <= 0.5) || (d.nType >= BandPass && !(d.dHigh >= d.dLow && d.dHigh <= 0.5)))
        throw std::invalid_argument("cut-offs must lie in 0 .. 0.5, the high one above the low one");
    if (!(d.dAttenuation >= 0.0) || !std::isfinite(d.dAttenuation))
        throw std::invalid_argument("attenuation must be finite and not negative");
}

double decibel(double magnitude) { return magnitude > 0.0 ? 20.0 * std::log10(magnitude) : kZeroMagnitudeDb; }

// The grid indices inside band: first .. last, last < first when there are none.
std::pair<int, int> indicesOf(const CFilterBand& band, int m)
{
    if (band.dFrom > band.dTo)
        return {1, 0};
    return {static_cast<int>(std::ceil(band.dFrom * m)), static_cast<int>(std::floor(band.dTo * m))};
}

// Where the magnitudes cross level, by linear interpolation, in increasing frequency.
std::vector<double> crossings(const Magnitudes& mag, int m, double level)
{
    std::vector<double> found;
    for (int k = 1; k < mag.GetSize(); ++k)
        if ((mag[k - 1] >= level) != (mag[k] >= level))
            found.push_back((k - 1 + (level - mag[k - 1]) / (mag[k] - mag[k - 1])) / m);
    return found;
}

// The extremes of the magnitude over the pass bands and the stop bands.
struct CBandExtremes {
    double passMin = HUGE_VAL, passMax = -HUGE_VAL, stopMax = -HUGE_VAL, passDeviationDb = 0.0;
    bool anyPass = false, anyStop = false;
};

CBandExtremes bandExtremes(const Magnitudes& mag, int m, const CDesignBands& design)
{
    CBandExtremes e;
    for (const CFilterBand& band : design.bands) {
        const auto [first, last] = indicesOf(band, m);
        for (int k = first; k <= last; ++k) {
            const double a = mag[k];
            (band.bPass ? e.anyPass : e.anyStop) = true;
            if (!band.bPass) {
                e.stopMax = std::max(e.stopMax, a);
                continue;
            }
            e.passMin = std::min(e.passMin, a);
            e.passMax = std::max(e.passMax, a);
            e.passDeviationDb = std::max(e.passDeviationDb, std::fabs(decibel(a)));
        }
    }
    return e;
}

// The width of the transition at centre between bands below and above: from the first grid
// point, walking from the centre into the pass band, where the magnitude is within
// tolerance of 1, to the first, walking into the stop band, where it is at most tolerance.
// Unset when either walk reaches the far end of its band first.
std::optional<double> transitionWidth(const Magnitudes& mag, int m, double centre, const CFilterBand& below,
    const CFilterBand& above, double tolerance)
{
    const auto meets = [&](const CFilterBand& band, int k) {
        const double a = mag[k];
        return band.bPass ? std::fabs(a - 1.0) <= tolerance : a <= tolerance;
    };
    const int middle = static_cast<int>(std::lround(centre * m));
    int low = middle, high = middle;
    const int lowest = indicesOf(below, m).first, highest = indicesOf(above, m).second;
    while (low >= lowest && !meets(below, low))
        --low;
    while (high <= highest && !meets(above, high))
        ++high;
    if (low < lowest || high > highest)
        return std::nullopt;
    return static_cast<double>(high - low) / m;
}

void measureBands(const Magnitudes& mag, int m, CFilterMeasurement& r)
{
    const CBandExtremes e = bandExtremes(mag, m, r.bands);
    if (e.anyPass) {
        r.passRipple = decibel(e.passMax) - decibel(e.passMin);
        r.passDeviation = e.passDeviationDb;
    }
    if (e.anyStop)
        r.stopAttenuation = -decibel(e.stopMax);
    const double tolerance = std::pow(10.0, -r.design.dAttenuation / 20.0);
    const std::vector<CFilterBand>& bands = r.bands.bands;
    for (size_t k = 0; k < r.bands.centres.size(); ++k)
        r.transitionWidths.push_back(transitionWidth(mag, m, r.bands.centres[k], bands[k], bands[k + 1], tolerance));
}

int symmetryOf(const CRealArray& h)
{
    const double* begin = h.data();
    const double* end = begin + h.GetSize();
    const double tolerance = kSymmetryTolerance * std::accumulate(begin, end, 0.0, [](double a, double v) { return std::max(a, std::fabs(v)); });
    bool symmetric = true, antisymmetric = true;
    for (int i = 0, j = h.GetSize() - 1; i <= j; ++i, --j) {
        symmetric = symmetric && std::fabs(h[i] - h[j]) <= tolerance;
        antisymmetric = antisymmetric && std::fabs(h[i] + h[j]) <= tolerance;
    }
    return symmetric ? Symmetric : antisymmetric ? Antisymmetric : Asymmetric;
}

void measureDelay(const CGridResponse& grid, double level, CFilterMeasurement& r)
{
    if (r.nSymmetry != Asymmetric) {
        r.dDelayMin = r.dDelayMax = (r.nLength - 1) / 2.0;
        return;
    }
    r.dDelayMin = HUGE_VAL;
    r.dDelayMax = -HUGE_VAL;
    for (int k = 0; k < grid.delay.values.GetSize(); ++k) {
        if (grid.magnitude[k] >= level && !grid.delay.undefined[static_cast<size_t>(k)]) {
            r.dDelayMin = std::min(r.dDelayMin, grid.delay.values[k]);
            r.dDelayMax = std::max(r.dDelayMax, grid.delay.values[k]);
        }
    }
}

}  // namespace

CDesignBands DesignBands(const CDesignRecord& design, int n)
{
    CDesignBands result;
    if (design.nMethod == DesignNone)
        return result;
    checkRecord(design);
    std::vector<double> cutoffs = {design.dLow};
    if (design.nType >= BandPass)
        cutoffs.push_back(design.dHigh);
    for (double f : cutoffs)
        result.centres.push_back(design.nMethod == DesignKaiser ? DesignedCutoff(f, n) : f);
    // A single coefficient has no transition to speak of: everything is excluded.
    result.dWidth = n >= 2 ? KaiserTransitionWidth(design.dAttenuation, n) : HUGE_VAL;
    bool pass = design.nType == LowPass || design.nType == BandElimination;
    double from = 0.0;
    for (double centre : result.centres) {
        result.bands.push_back({from, centre - result.dWidth / 2, pass});
        from = centre + result.dWidth / 2;
        pass = !pass;
    }
    result.bands.push_back({from, 0.5, pass});
    return result;
}

bool CFilterMeasurement::AttenuationMissed() const
{
    return design.nMethod != DesignNone && stopAttenuation && *stopAttenuation < design.dAttenuation - 1.0;
}

int MeasurementGridSize(int n)
{
    if (n < 1 || n > kMaxMeasuredLength)
        throw std::invalid_argument("a filter to measure has 1 to 67108864 coefficients");
    int m = 8192;
    while (m < 16 * n)
        m *= 2;
    return m;
}

CFilterMeasurement MeasureFilter(const CRealArray& coefficients, const CDesignRecord& design)
{
    const int m = MeasurementGridSize(coefficients.GetSize());
    CFilterMeasurement r;
    r.nLength = coefficients.GetSize();
    r.design = design;
    r.bands = DesignBands(design, r.nLength);
    const CGridResponse grid = GridResponse(coefficients, m);
    const Magnitudes& mag = grid.magnitude;
    const double peak = mag.GetMax();
    r.edges3dB = crossings(mag, m, peak * std::pow(10.0, -3.0 / 20.0));
    r.edges6dB = crossings(mag, m, peak * std::pow(10.0, -6.0 / 20.0));
    measureBands(mag, m, r);
    const double* h = coefficients.data();
    r.dDcGain = std::accumulate(h, h + r.nLength, 0.0);
    r.dAbsSum = std::accumulate(h, h + r.nLength, 0.0, [](double sum, double v) { return sum + std::fabs(v); });
    r.nSymmetry = symmetryOf(coefficients);
    measureDelay(grid, peak * std::pow(10.0, -3.0 / 20.0), r);
    return r;
}
