#include "EquirippleGrid.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Points per expected extremum; doubled (up to the last value) while the bands are too
// narrow to hold twice the points of a reference.
constexpr int kDensity = 16;
constexpr int kMaxDensity = 1024;

int pointsIn(double lo, double hi, double spacing)
{
    if (hi <= lo)
        return 1;
    return std::max(2, static_cast<int>(std::ceil((hi - lo) / spacing)) + 1);
}

void addBand(CGrid& grid, const CBand& band, double lo, double hi, int points, bool evenLength)
{
    grid.bandStart.push_back(static_cast<int>(grid.f.size()));
    for (int i = 0; i < points; ++i) {
        const double f = i == points - 1 ? hi : lo + (hi - lo) * i / (points - 1);
        const double factor = evenLength ? EvenLengthFactor(f) : 1.0;
        grid.f.push_back(f);
        grid.x.push_back(std::cos(2.0 * kPi * f));
        grid.desired.push_back(band.desired / factor);
        grid.weight.push_back(band.weight * factor);
    }
}

}  // namespace

double EvenLengthFactor(double f) { return std::cos(kPi * f); }

CGrid BuildGrid(const std::vector<CBand>& bands, int r, bool evenLength)
{
    CGrid grid;
    for (int density = kDensity; density <= kMaxDensity; density *= 2) {
        const double spacing = 0.5 / (density * r);
        grid = CGrid();
        for (const CBand& band : bands) {
            // An even length's amplitude is 0 at f = 0.5: the grid ends one spacing before.
            const double hi = evenLength ? std::min(band.hi, 0.5 - spacing) : band.hi;
            const double lo = std::min(band.lo, hi);
            addBand(grid, band, lo, hi, pointsIn(lo, hi, spacing), evenLength);
        }
        grid.bandStart.push_back(static_cast<int>(grid.f.size()));
        if (grid.f.size() >= 2 * static_cast<size_t>(r + 1))
            break;
    }
    return grid;
}

}  // namespace equiripple
