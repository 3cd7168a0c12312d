#pragma once

#include "EquirippleGrid.h"

#include <vector>

namespace equiripple {

// The next reference of the exchange from the weighted error e on the grid and the
// rounding bound of each value: the local extrema of e within each band (band ends
// compared with their one neighbour) that exceed the levelled deviation delta by more
// than their bound, together with the previous reference; of each run of the same sign
// the largest; then the smallest removed, keeping the signs alternating, down to the
// size of the previous reference. Fewer points when fewer alternate.
//
// Peaks within rounding of delta cannot be told from it: taking them would chase
// rounding noise where the error lies below what the arithmetic resolves.
std::vector<int> NextReference(const CGrid& grid, const std::vector<double>& e, const std::vector<double>& bound,
    double delta, const std::vector<int>& previous);

}  // namespace equiripple
