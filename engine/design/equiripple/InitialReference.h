#pragma once

#include "EquirippleGrid.h"

#include <vector>

namespace equiripple {

// r + 1 grid indices spread evenly over each band, every band getting one while there are
// enough and the rest shared by the bands' sizes: the classic start, good enough for a
// few dozen terms.
std::vector<int> EvenReference(const CGrid& grid, int r);

// A start for r + 1 points taken from the reference of a shorter design of the same bands
// (its frequencies, increasing, on its own grid with the same bands): each band gets the
// share of points it had, placed by interpolating the old points in order of rank, then
// moved to the nearest grid points, all distinct.
std::vector<int> ScaledReference(const CGrid& oldGrid, const std::vector<int>& oldReference,
    const CGrid& grid, int r);

}  // namespace equiripple
