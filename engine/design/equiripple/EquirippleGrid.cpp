#include "EquirippleGrid.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Position 0 .. 1 of point t (0 .. 1) of a band, crowding towards the ends asked.
double crowded(double t, bool atLo, bool atHi)
{
    if (atLo && atHi)
        return 0.5 * (1.0 - std::cos(kPi * t));
    if (atHi)
        return std::sin(0.5 * kPi * t);
    if (atLo)
        return 1.0 - std::cos(0.5 * kPi * t);
    return t;
}

// The part of band that the grid covers: off the zeros of Q unless a limit holds there.
std::pair<double, double> coveredPart(const CApproximation& a, const CBand& band, double spacing)
{
    double lo = band.lo, hi = band.hi;
    if (lo == 0.0 && FactorVanishesAtZero(a) && !IsProportional(a, band))
        lo = std::min(0.25 * spacing, 0.5 * hi);
    if (hi == 0.5 && FactorVanishesAtHalf(a))
        hi = std::max(0.5 - 0.25 * spacing, 0.5 * (lo + 0.5));
    return {lo, hi};
}

void addBand(CGrid& grid, const CApproximation& a, const CBand& band, double spacing, int least)
{
    const auto [lo, hi] = coveredPart(a, band, spacing);
    const int points = std::max(least, static_cast<int>(std::ceil((hi - lo) / spacing)) + 1);
    grid.bandStart.push_back(static_cast<int>(grid.f.size()));
    grid.lo.push_back(lo);
    grid.hi.push_back(hi);
    for (int i = 0; i < points; ++i) {
        const double t = static_cast<double>(i) / (points - 1);
        const double f = i == points - 1 ? hi : lo + (hi - lo) * crowded(t, band.lo > 0.0, band.hi < 0.5);
        const CReduced r = ReducedAt(a, band, f);
        grid.f.push_back(f);
        grid.x.push_back(r.x);
        grid.desired.push_back(r.desired);
        grid.weight.push_back(r.weight);
    }
}

}  // namespace

CGrid BuildGrid(const CApproximation& a, int r, int density)
{
    double width = 0.0;
    for (const CBand& band : a.bands)
        width += band.hi - band.lo;
    const double spacing = width / (static_cast<double>(density) * (r + 1));
    CGrid grid;
    for (const CBand& band : a.bands)
        addBand(grid, a, band, spacing, density);
    grid.bandStart.push_back(static_cast<int>(grid.f.size()));
    return grid;
}

int BandOf(const CGrid& grid, int i)
{
    return static_cast<int>(std::upper_bound(grid.bandStart.begin(), grid.bandStart.end(), i) - grid.bandStart.begin()) - 1;
}

}  // namespace equiripple
