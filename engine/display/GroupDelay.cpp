#include "GroupDelay.h"

#include "CComplexArray.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace {

// The undefined points take the value of the nearest defined point below them, or above
// them before the first defined one; 0 everywhere when none is defined.
void fillUndefined(CGridValues& grid)
{
    const auto first = std::find(grid.undefined.begin(), grid.undefined.end(), false);
    double last = first == grid.undefined.end() ? 0.0 : grid.values[static_cast<int>(first - grid.undefined.begin())];
    for (int k = 0; k < grid.values.GetSize(); ++k) {
        if (grid.undefined[static_cast<size_t>(k)])
            grid.values[k] = last;
        else
            last = grid.values[k];
    }
}

// Sums of |h[n]| and of n |h[n]|, the scales of the rounding errors of H and G.
std::pair<double, double> absoluteSums(const CRealArray& h)
{
    double plain = 0.0, weighted = 0.0;
    for (int n = 0; n < h.GetSize(); ++n) {
        plain += std::fabs(h[n]);
        weighted += n * std::fabs(h[n]);
    }
    return {plain, weighted};
}

}  // namespace

CGridResponse GridResponse(const CRealArray& coefficients, int length)
{
    const int n = coefficients.GetSize();
    if (length < n || length < 1)
        throw std::invalid_argument("the transform must hold the coefficients");
    CComplexArray x(length), weighted(length);
    x = coefficients;
    for (int i = 0; i < n; ++i)
        weighted[i] = i * coefficients[i];
    const CComplexArray h = x.fft(), g = weighted.fft();
    const auto [sum, weightedSum] = absoluteSums(coefficients);
    const double bound = 2.0 * (std::log2(length) + 1.0) * DBL_EPSILON;
    CGridResponse r{CRealArray(length / 2 + 1), {CRealArray(length / 2 + 1), {}}};
    r.delay.undefined.resize(static_cast<size_t>(length / 2 + 1));
    for (int k = 0; k < r.magnitude.GetSize(); ++k) {
        const double m = h[k].abs();
        r.magnitude[k] = m;
        // Re(G / H) as (G / |H|) . (H / |H|), which neither overflows nor underflows.
        const double re = m > 0.0 ? (g[k].re / m) * (h[k].re / m) + (g[k].im / m) * (h[k].im / m) : 0.0;
        const double ratio = m > 0.0 ? g[k].abs() / m : 0.0;
        const double error = m > 0.0 ? bound * (weightedSum / m + ratio * (sum / m)) : HUGE_VAL;  // no overflow for huge h
        const bool defined = error <= kDelayTolerance && std::isfinite(re);
        r.delay.values[k] = re;
        r.delay.undefined[static_cast<size_t>(k)] = !defined;
    }
    fillUndefined(r.delay);
    return r;
}

CGridValues GroupDelay(const CRealArray& coefficients, int length, int count)
{
    if (count < 0 || count > length / 2 + 1)
        throw std::invalid_argument("group delay: at most half the transform and one point");
    CGridValues all = GridResponse(coefficients, length).delay;
    CGridValues first{CRealArray(count), std::vector<bool>(all.undefined.begin(), all.undefined.begin() + count)};
    std::copy(all.values.data(), all.values.data() + count, first.values.data());
    return first;
}

CGridValues GroupDelayDisplay(const CRealArray& coefficients)
{
    const int n = coefficients.GetSize();
    return n == 0 ? CGridValues{CRealArray(0), {}} : GroupDelay(coefficients, 4 * n, 2 * n);
}
