#include "RelativeExtremes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kLowest = 1e-6;
constexpr int kGoldenSteps = 48;

// A local extremum of the samples: its frequency and those of its neighbours.
struct CCandidate {
    CExtreme sample;
    double dLeft;
    double dRight;
};

// The extremum of sign * |H(f)| / f between left and right, by golden-section search.
CExtreme golden(const CResponseProbe& probe, double left, double right, double sign)
{
    const auto value = [&](double f) { return sign * probe.Magnitude(f) / f; };
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    double a = left, b = right;
    double c = b - ratio * (b - a), d = a + ratio * (b - a);
    double fc = value(c), fd = value(d);
    for (int step = 0; step < kGoldenSteps; ++step) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - ratio * (b - a), fc = value(c);
        } else {
            a = c, c = d, fc = fd;
            d = a + ratio * (b - a), fd = value(d);
        }
    }
    const double f = fc > fd ? c : d;
    return {sign * std::max(fc, fd), f};
}

// The samples of |H| / f: the edges and the grid points between them.
std::vector<CExtreme> samplesOf(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to)
{
    std::vector<CExtreme> samples{{probe.Magnitude(from) / from, from}};
    for (int k = static_cast<int>(std::floor(from * grid.m)) + 1; k < to * grid.m; ++k) {
        const double f = static_cast<double>(k) / grid.m;
        samples.push_back({grid.magnitude[k] / f, f});
    }
    samples.push_back({probe.Magnitude(to) / to, to});
    return samples;
}

// The kRefined most extreme interior local extrema of sign * samples.
std::vector<CCandidate> candidatesOf(const std::vector<CExtreme>& s, double sign)
{
    std::vector<CCandidate> found;
    for (size_t i = 1; i + 1 < s.size(); ++i)
        if (sign * s[i].dMagnitude >= sign * s[i - 1].dMagnitude && sign * s[i].dMagnitude >= sign * s[i + 1].dMagnitude)
            found.push_back({s[i], s[i - 1].dFrequency, s[i + 1].dFrequency});
    const size_t kept = std::min(found.size(), static_cast<size_t>(kRefined));
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
        [sign](const CCandidate& a, const CCandidate& b) { return sign * a.sample.dMagnitude > sign * b.sample.dMagnitude; });
    found.resize(kept);
    return found;
}

// The most extreme of sign * |H| / f: every sample, and the candidates refined.
CExtreme extremeOf(const CResponseProbe& probe, const std::vector<CExtreme>& samples, double sign)
{
    CExtreme best = *std::max_element(samples.begin(), samples.end(),
        [sign](const CExtreme& a, const CExtreme& b) { return sign * a.dMagnitude < sign * b.dMagnitude; });
    for (const CCandidate& c : candidatesOf(samples, sign)) {
        const CExtreme refined = golden(probe, c.dLeft, c.dRight, sign);
        if (sign * refined.dMagnitude > sign * best.dMagnitude)
            best = refined;
    }
    return best;
}

}  // namespace

CBandExtremes FindRelativeExtremes(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to)
{
    const std::vector<CExtreme> samples = samplesOf(probe, grid, std::max(from, kLowest), to);
    return {extremeOf(probe, samples, 1.0), extremeOf(probe, samples, -1.0)};
}
