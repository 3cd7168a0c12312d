#include "FilterMeasurement.h"

#include "CComplexArray.h"
#include "DisplayData.h"
#include "GroupDelay.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace {

constexpr double kSymmetryTolerance = 1e-9;
constexpr int kMaxMeasuredLength = 1 << 26;
// Steps of the search for the frequency where the magnitude enters a band's tolerance, and
// how close it brings the frequency.
constexpr int kCrossingSteps = 12;
constexpr double kCrossingResolution = 1e-10;

// The filter as it is measured: divided by a power of two (exactly) so that its largest
// coefficient lies in 0.5 .. 1 and no sum over it overflows or underflows; figures in dB
// add the scale back.
struct CMeasured {
    const CResponseProbe& probe;
    CMagnitudeGrid grid;
    double scale;

    CFigure Figure(const CExtreme& e) const
    {
        return {std::clamp(MagnitudeDb(e.dMagnitude) + 20.0 * std::log10(scale), kZeroMagnitudeDb, -kZeroMagnitudeDb),
            e.dFrequency};
    }
    // band as the divided filter sees it.
    CRequirementBand Divided(const CRequirementBand& band) const
    {
        return {band.dFrom, band.dTo, band.dGain / scale, band.dTolerance / scale};
    }
};

// The power of two by which coefficients h (finite) are divided to be measured.
double scaleOf(const CRealArray& h)
{
    double largest = 0.0;
    for (int i = 0; i < h.GetSize(); ++i)
        largest = std::max(largest, std::fabs(h[i]));
    int exponent = 0;
    std::frexp(largest, &exponent);
    return largest > 0.0 ? std::ldexp(1.0, exponent) : 1.0;
}

// h / scale, element by element: exact for a power of two, where the reciprocal of a
// subnormal scale would overflow.
CRealArray divided(const CRealArray& h, double scale)
{
    CRealArray d(h);
    std::transform(h.data(), h.data() + h.GetSize(), d.data(), [scale](double v) { return v / scale; });
    return d;
}

// |z| by the plain formula where its squares neither overflow nor underflow (the library's
// hypot costs several times as much), else by hypot.
double modulus(const CComplex& z)
{
    const double m = std::sqrt(z.re * z.re + z.im * z.im);
    return m < 1e150 && m > 1e-150 ? m : z.abs();
}

// The magnitude on the grid k / m, k = 0 .. m / 2, and for a filter that is not
// symmetric the group delay there too.
CGridResponse gridOf(const CRealArray& h, int m, bool withDelay)
{
    if (withDelay)
        return GridResponse(h, m);
    CComplexArray x(m);
    x = h;
    const CComplexArray response = x.fft();
    CRealArray magnitude(m / 2 + 1);
    for (int k = 0; k < magnitude.GetSize(); ++k)
        magnitude[k] = modulus(response[k]);
    return {std::move(magnitude), {}};
}

CBandResult judgeBand(const CMeasured& f, const CRequirementBand& band)
{
    const CBandExtremes e = FindBandExtremes(f.probe, f.grid, band.dFrom, band.dTo, !band.IsStop());
    CBandResult r{band, f.Figure(e.largest), f.Figure(e.smallest), {}};
    r.excess = {r.largest.dDb - MagnitudeDb(band.dGain + band.dTolerance), r.largest.dFrequency};
    if (band.dGain - band.dTolerance > 0.0) {
        const double below = MagnitudeDb(band.dGain - band.dTolerance) - r.smallest.dDb;
        if (below > r.excess.dDb)
            r.excess = {below, r.smallest.dFrequency};
    }
    return r;
}

// a becomes b where b is larger (sign +1) or smaller (sign -1), or where a is unset.
void keep(std::optional<CFigure>& a, const CFigure& b, double sign)
{
    if (!a || sign * b.dDb > sign * a->dDb)
        a = b;
}

// The figures over all pass bands and over all stop bands.
void combineBands(CFilterMeasurement& r)
{
    for (const CBandResult& b : r.bands) {
        if (b.band.IsStop()) {
            keep(r.stopLargest, b.largest, 1.0);
            keep(r.stopExcess, b.excess, 1.0);
            continue;
        }
        keep(r.passLargest, b.largest, 1.0);
        keep(r.passSmallest, b.smallest, -1.0);
        keep(r.passExcess, b.excess, 1.0);
        const double gain = MagnitudeDb(b.band.dGain);
        keep(r.passDeviation, {std::fabs(b.largest.dDb - gain), b.largest.dFrequency}, 1.0);
        keep(r.passDeviation, {std::fabs(b.smallest.dDb - gain), b.smallest.dFrequency}, 1.0);
    }
    if (r.passLargest)
        r.passRipple = r.passLargest->dDb - r.passSmallest->dDb;
}

bool inside(const CRequirementBand& band, double magnitude)
{
    return std::fabs(magnitude - band.dGain) <= band.dTolerance;
}

// Where the magnitude enters band's tolerance between fIn (inside) and fOut (outside):
// regula falsi (Illinois) on the margin to the tolerance.
double enteringAt(const CResponseProbe& probe, const CRequirementBand& band, double fIn, double fOut)
{
    const auto margin = [&](double f) { return band.dTolerance - std::fabs(probe.Magnitude(f) - band.dGain); };
    double mIn = margin(fIn), mOut = margin(fOut);
    for (int step = 0; step < kCrossingSteps && mIn > 0.0 && mOut < 0.0 && std::fabs(fOut - fIn) > kCrossingResolution;
         ++step) {
        const double f = fIn + (fOut - fIn) * mIn / (mIn - mOut);
        const double v = margin(f);
        if (v >= 0.0) {
            fIn = f;
            mIn = v;
            mOut *= 0.5;
        } else {
            fOut = f;
            mOut = v;
            mIn *= 0.5;
        }
    }
    return fIn;
}

// The edge of band's tolerance nearest to the middle of the transition beside it (band
// lies above the middle when above): walking on the grid from the middle towards band and
// no farther than band's far end, or across the transition when the middle already lies
// inside (then no farther than limit). Unset when the walk never comes inside.
std::optional<double> toleranceEdge(const CMeasured& f, const CRequirementBand& original, bool above, double middle,
    double limit)
{
    const CResponseProbe& probe = f.probe;
    const CMagnitudeGrid& grid = f.grid;
    const CRequirementBand band = f.Divided(original);
    const auto index = [&](double f) { return std::clamp(static_cast<int>(std::lround(f * grid.m)), 0, grid.m / 2); };
    const int start = index(middle);
    const bool startInside = inside(band, grid.magnitude[start]);
    const int step = (above == startInside) ? -1 : 1;
    const int end = index(startInside ? limit : (above ? band.dTo : band.dFrom));
    int k = start;
    for (; (end - k) * step > 0; k += step) {
        if (inside(band, grid.magnitude[k + step]) == startInside)
            continue;
        const double f0 = static_cast<double>(k) / grid.m, f1 = static_cast<double>(k + step) / grid.m;
        return startInside ? enteringAt(probe, band, f0, f1) : enteringAt(probe, band, f1, f0);
    }
    if (startInside)
        return static_cast<double>(k) / grid.m;
    return std::nullopt;
}

void measureTransitions(const CMeasured& f, CFilterMeasurement& r)
{
    for (size_t k = 0; k + 1 < r.bands.size(); ++k) {
        const CRequirementBand& below = r.bands[k].band;
        const CRequirementBand& above = r.bands[k + 1].band;
        if (below.IsStop() == above.IsStop())
            continue;
        const double middle = 0.5 * (below.dTo + above.dFrom);
        const bool passAbove = below.IsStop();
        const std::optional<double> p =
            toleranceEdge(f, passAbove ? above : below, passAbove, middle, passAbove ? below.dFrom : above.dTo);
        const std::optional<double> s =
            toleranceEdge(f, passAbove ? below : above, !passAbove, middle, passAbove ? above.dTo : below.dFrom);
        if (!p || !s)
            r.transitionWidths.push_back(std::nullopt);
        else
            r.transitionWidths.push_back(std::max(0.0, passAbove ? *p - *s : *s - *p));
    }
}

// Where the magnitudes cross level, by linear interpolation, in increasing frequency.
std::vector<double> crossings(const CRealArray& mag, int m, double level)
{
    std::vector<double> found;
    for (int k = 1; k < mag.GetSize(); ++k)
        if ((mag[k - 1] >= level) != (mag[k] >= level))
            found.push_back((k - 1 + (level - mag[k - 1]) / (mag[k] - mag[k - 1])) / m);
    return found;
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
    if (r.dDelayMin > r.dDelayMax)  // rounding decides the delay at every such point
        r.dDelayMin = r.dDelayMax = std::nan("");
}

void checkArguments(const CRealArray& h, const std::optional<CRequirements>& requirements)
{
    MeasurementGridSize(h.GetSize());
    for (int i = 0; i < h.GetSize(); ++i)
        if (!std::isfinite(h[i]))
            throw std::invalid_argument("coefficients to measure must be finite");
    if (requirements)
        CheckRequirements(*requirements);
}

// The band figures against the requirements, if any.
void judgeBands(const CMeasured& f, CFilterMeasurement& r)
{
    if (!r.requirements)
        return;
    for (const CRequirementBand& band : RequirementBands(*r.requirements))
        r.bands.push_back(judgeBand(f, band));
    combineBands(r);
}

void measurePeak(const CMeasured& f, CFilterMeasurement& r)
{
    const CRealArray& mag = f.grid.magnitude;
    const int m = f.grid.m;
    const double* begin = mag.data();
    const double* largest = std::max_element(begin, begin + mag.GetSize());
    r.peak = f.Figure({*largest, static_cast<double>(largest - begin) / m});
    r.edges3dB = crossings(mag, m, *largest * std::pow(10.0, -3.0 / 20.0));
    r.edges6dB = crossings(mag, m, *largest * std::pow(10.0, -6.0 / 20.0));
}

}  // namespace

bool CFilterMeasurement::MeetsRequirements() const
{
    return requirements && !PassMissed() && !StopMissed();
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

double MagnitudeDb(double magnitude)
{
    if (!(magnitude > 0.0))
        return kZeroMagnitudeDb;
    return std::min(20.0 * std::log10(magnitude), -kZeroMagnitudeDb);
}

CFilterMeasurement MeasureFilter(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
    const CDesignRecord& design)
{
    checkArguments(coefficients, requirements);
    CFilterMeasurement r;
    r.nLength = coefficients.GetSize();
    r.design = design;
    r.requirements = requirements;
    r.nSymmetry = symmetryOf(coefficients);
    const int m = MeasurementGridSize(r.nLength);
    const double scale = scaleOf(coefficients);
    const CRealArray h = divided(coefficients, scale);
    const CGridResponse grid = gridOf(h, m, r.nSymmetry == Asymmetric);
    const CResponseProbe probe(h);
    const CMeasured measured{probe, {grid.magnitude, m}, scale};
    judgeBands(measured, r);
    measureTransitions(measured, r);
    measurePeak(measured, r);
    const double* c = coefficients.data();
    r.dDcGain = std::accumulate(c, c + r.nLength, 0.0);
    r.dAbsSum = std::accumulate(c, c + r.nLength, 0.0, [](double sum, double v) { return sum + std::fabs(v); });
    measureDelay(grid, grid.magnitude.GetMax() * std::pow(10.0, -3.0 / 20.0), r);
    return r;
}

CFilterMeasurement JudgeFilter(const CRealArray& coefficients, const CRequirements& requirements)
{
    checkArguments(coefficients, requirements);
    CFilterMeasurement r;
    r.nLength = coefficients.GetSize();
    r.requirements = requirements;
    const int m = MeasurementGridSize(r.nLength);
    const double scale = scaleOf(coefficients);
    const CRealArray h = divided(coefficients, scale);
    const CGridResponse grid = gridOf(h, m, false);
    const CResponseProbe probe(h);
    judgeBands({probe, {grid.magnitude, m}, scale}, r);
    return r;
}
