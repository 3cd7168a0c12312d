#pragma once

#include "Approximation.h"

#include <vector>

namespace equiripple {

// The dense grid on which the exchange looks for the extrema of the error, in increasing
// frequency, band after band: the reduced problem (ReducedAt) at each point.
struct CGrid {
    std::vector<double> f;        // frequency
    std::vector<double> x;        // cos(2 pi f), the variable of the polynomial
    std::vector<double> desired;  // wanted value of the polynomial
    std::vector<double> weight;   // weight of its error
    std::vector<int> bandStart;   // first index of each band, then the grid's size
    std::vector<double> lo, hi;   // the ends of each band the grid covers
};

// The grid of a for a polynomial of r >= 1 terms, about `density` points per extremum of
// the error: (r + 1) density points shared by the bands' widths, at least `density` in
// each. Towards an end that borders a transition band the points crowd as the extrema of
// the error do (as cos(pi t) towards +-1, spacing falling with the square of the count);
// towards f = 0 and 0.5 they are even in f, which crowds them in x. A band end where the
// factor Q vanishes (and the error with it) is moved a quarter of the mean spacing inwards,
// except where the proportional problem has a limit there.
CGrid BuildGrid(const CApproximation& a, int r, int density);

// Index of the band of grid that holds grid index i.
int BandOf(const CGrid& grid, int i);

}  // namespace equiripple
