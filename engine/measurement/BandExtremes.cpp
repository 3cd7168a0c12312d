#include "BandExtremes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kNewtonSteps = 12;
// A lobe this many samples wide or narrower (between the opposite extrema beside it) is too
// narrow for its parabola: such lobes lie beside band edges, where the ripples of an
// equiripple filter crowd. Its extremum is located exactly when its estimate lies within
// kNarrowMarginDb of the most extreme estimate, at most kMaxLocated in a band.
constexpr size_t kNarrowLobe = 8;
constexpr double kNarrowMarginDb = 3.0;
constexpr size_t kMaxLocated = 64;
// A Newton search ends when its step is this small: far below any frequency shown, and
// where the magnitude no longer changes in its leading digits.
constexpr double kFrequencyResolution = 1e-12;

// The band's points in increasing frequency: its edges, evaluated exactly, and the grid
// points strictly between them.
struct CSamples {
    std::vector<double> f, a;
};

CSamples samplesOf(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to)
{
    CSamples s;
    s.f.push_back(from);
    s.a.push_back(probe.Magnitude(from));
    const int first = static_cast<int>(std::floor(from * grid.m)) + 1;
    const int last = std::min(static_cast<int>(std::ceil(to * grid.m)) - 1, grid.m / 2);
    for (int k = first; k <= last; ++k) {
        s.f.push_back(static_cast<double>(k) / grid.m);
        s.a.push_back(grid.magnitude[k]);
    }
    if (to > from) {
        s.f.push_back(to);
        s.a.push_back(probe.Magnitude(to));
    }
    return s;
}

// A local extremum of the samples: where it lies between its neighbours, and the extreme
// value a parabola through the nearest three samples puts there.
struct CCandidate {
    size_t i;
    double lo, hi;
    CExtreme estimate;
    bool bNarrow;
};

// Whether the lobe of the extremum at i (of the kind sign gives) spans at most kNarrowLobe
// samples: from the opposite extremum below it to the one above.
bool narrowLobe(const CSamples& s, size_t i, double sign)
{
    size_t left = i, right = i;
    while (left > 0 && i - left <= kNarrowLobe && sign * s.a[left - 1] <= sign * s.a[left])
        --left;
    while (right + 1 < s.a.size() && right - i <= kNarrowLobe && sign * s.a[right + 1] <= sign * s.a[right])
        ++right;
    return right - left <= kNarrowLobe;
}

// The parabola's extreme within lo .. hi for candidate i, if it has one of the kind sign
// gives (+1 largest, -1 smallest) beyond the sample itself; else the sample.
CExtreme parabolicEstimate(const CSamples& s, size_t i, double lo, double hi, double sign)
{
    const CExtreme sample{s.a[i], s.f[i]};
    if (s.f.size() < 3)
        return sample;
    const size_t j = std::clamp<size_t>(i, 1, s.f.size() - 2);
    const double x0 = s.f[j - 1], x1 = s.f[j], x2 = s.f[j + 1];
    const double d1 = (s.a[j] - s.a[j - 1]) / (x1 - x0), d2 = (s.a[j + 1] - s.a[j]) / (x2 - x1);
    const double c = (d2 - d1) / (x2 - x0);
    if (!(sign * c < 0.0))
        return sample;
    const double x = 0.5 * (x0 + x1) - d1 / (2.0 * c);
    const double value = s.a[j - 1] + d1 * (x - x0) + c * (x - x0) * (x - x1);
    if (!(x >= lo && x <= hi) || !(sign * value > sign * sample.dMagnitude))
        return sample;
    return {std::max(value, 0.0), x};
}

std::vector<CCandidate> candidatesOf(const CSamples& s, double sign)
{
    std::vector<CCandidate> found;
    const size_t n = s.a.size();
    for (size_t i = 0; i < n; ++i) {
        const double v = sign * s.a[i];
        if ((i > 0 && v < sign * s.a[i - 1]) || (i + 1 < n && v < sign * s.a[i + 1]))
            continue;
        const double lo = s.f[i > 0 ? i - 1 : 0], hi = s.f[std::min(i + 1, n - 1)];
        found.push_back({i, lo, hi, parabolicEstimate(s, i, lo, hi, sign), narrowLobe(s, i, sign)});
    }
    return found;
}

// The extreme of the kind sign gives of |H| within lo .. hi, starting at x: Newton steps on
// the slope of |H|^2, kept inside a bracket that each step's slope narrows, bisecting where
// a step would leave it or the curvature has the wrong sign.
CExtreme locate(const CResponseProbe& probe, double lo, double hi, double x, double sign)
{
    CExtreme best{-1.0, x};
    for (int step = 0; step < kNewtonSteps; ++step) {
        const CResponseProbe::CSquare q = probe.Square(x);
        const double magnitude = std::sqrt(q.value);
        if (best.dMagnitude < 0.0 || sign * magnitude > sign * best.dMagnitude)
            best = {magnitude, x};
        const double slope = sign * q.slope, curvature = sign * q.curvature;
        if (slope == 0.0)
            break;
        (slope > 0.0 ? lo : hi) = x;
        double next = curvature < 0.0 ? x - slope / curvature : lo - 1.0;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= kFrequencyResolution)
            break;
        x = next;
    }
    return best;
}

bool moreExtreme(const CExtreme& a, const CExtreme& b, double sign) { return sign * a.dMagnitude > sign * b.dMagnitude; }

// Whether candidate k, of the candidates sorted by estimate (rank its place), is located
// exactly: the kRefined most extreme, and narrow lobes near the most extreme.
bool worthLocating(const CCandidate& k, size_t rank, const CExtreme& mostExtreme)
{
    if (rank < kRefined)
        return true;
    const double a = k.estimate.dMagnitude, b = mostExtreme.dMagnitude;
    return k.bNarrow && a > 0.0 && b > 0.0 && std::fabs(20.0 * std::log10(a / b)) <= kNarrowMarginDb;
}

// The extreme of the kind sign gives over the samples; the candidates worth it located
// exactly when refine.
CExtreme extremeOf(const CResponseProbe& probe, const CSamples& s, double sign, bool refine)
{
    std::vector<CCandidate> candidates = candidatesOf(s, sign);
    std::sort(candidates.begin(), candidates.end(),
        [sign](const CCandidate& a, const CCandidate& b) { return moreExtreme(a.estimate, b.estimate, sign); });
    CExtreme best{s.a[0], s.f[0]};
    size_t located = 0;
    for (size_t c = 0; c < candidates.size(); ++c) {
        const CCandidate& k = candidates[c];
        CExtreme value = k.estimate;
        if (refine && located < kMaxLocated && worthLocating(k, c, candidates[0].estimate)) {
            ++located;
            const CExtreme exact = locate(probe, k.lo, k.hi, k.estimate.dFrequency, sign);
            const CExtreme sample{s.a[k.i], s.f[k.i]};
            value = moreExtreme(exact, sample, sign) ? exact : sample;
        }
        if (moreExtreme(value, best, sign))
            best = value;
    }
    return best;
}

}  // namespace

CBandExtremes FindBandExtremes(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to,
    bool refineSmallest)
{
    const CSamples s = samplesOf(probe, grid, from, to);
    return {extremeOf(probe, s, 1.0, true), extremeOf(probe, s, -1.0, refineSmallest)};
}
