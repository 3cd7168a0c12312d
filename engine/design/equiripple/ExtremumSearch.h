#pragma once

#include "EquirippleGrid.h"
#include "WeightedError.h"

#include <vector>

namespace equiripple {

// A local extremum of the weighted error: where, in which band, its value, the rounding
// of that value and the weight of the reduced problem there.
struct CExtremum {
    double f;
    int band;
    double error;
    double bound;
    double weight;
};

// The local extrema of the weighted error e on the continuous bands, in increasing
// frequency, found from its values on grid (errors, made by e.OnGrid): each grid point
// whose |error| is at least threshold and not below that of its neighbours in its band (a
// band end compared with its one neighbour) is refined between those neighbours by
// successive parabolic interpolation of |error| (unless refine is false), until a step no
// longer raises it by more than a part in 1e12 of its size or its rounding; a band end
// stays where the error falls away from it.
std::vector<CExtremum> FindExtrema(const CGrid& grid, const CWeightedError& e, const CErrorValues& errors,
    double threshold, bool refine);

// The local extremum of the weighted error e nearest each point of reference (r + 1
// alternating points of the bands, increasing) on the continuous bands: from the point
// uphill in |error| with doubling steps, no further than half way to its neighbours in
// its band (or its band's ends), then refined as FindExtrema does. Where the error does
// not rise either way the point stays. In the order of reference.
std::vector<CExtremum> LocalExtrema(const CGrid& grid, const CWeightedError& e, const std::vector<CExtremum>& reference);

}  // namespace equiripple
