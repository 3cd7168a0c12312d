#include "GuardBands.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

constexpr double kMargin = 0.05;

// The largest |D| on the bands of a: the gain, or in a proportional band gain times its
// upper edge; 1 where every gain is 0.
double largestDesired(const CApproximation& a)
{
    double largest = 0.0;
    for (const CBand& b : a.bands)
        largest = std::max(largest, std::abs(b.gain) * (IsProportional(a, b) ? b.hi : 1.0));
    return largest > 0.0 ? largest : 1.0;
}

// Adds the guard band of the gap lo .. hi (lo at 0 or hi at 0.5: no band beyond).
void addGuard(std::vector<CBand>& bands, double lo, double hi, double weight)
{
    const double margin = kMargin * (hi - lo);
    const double from = lo == 0.0 ? 0.0 : lo + margin, to = hi == 0.5 ? 0.5 : hi - margin;
    if (from < to)
        bands.push_back({from, to, 0.0, weight, true});
}

}  // namespace

CApproximation WithGuardBands(const CApproximation& a, double levelled)
{
    const double weight = levelled / (kGuardAmplitude * largestDesired(a));
    CApproximation guarded = a;
    guarded.bands.clear();
    double end = 0.0;
    for (const CBand& b : a.bands) {
        if (b.lo > end)
            addGuard(guarded.bands, end, b.lo, weight);
        guarded.bands.push_back(b);
        end = b.hi;
    }
    if (end < 0.5)
        addGuard(guarded.bands, end, 0.5, weight);
    return guarded;
}

}  // namespace equiripple
