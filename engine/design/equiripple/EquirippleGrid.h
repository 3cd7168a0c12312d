#pragma once

#include <vector>

namespace equiripple {

// One band of the approximation: frequencies lo .. hi (fractions of the sampling frequency,
// 0 <= lo <= hi <= 0.5), the amplitude wanted there and the weight of its error (> 0).
struct CBand {
    double lo;
    double hi;
    double desired;
    double weight;
};

// The dense grid that the exchange searches, in increasing frequency. For a length of r
// free cosine terms it holds at least 16 points per expected extremum. An even length
// has the factor cos(pi f) in its amplitude; the grid then holds the reduced problem for
// the remaining cosine sum: desired / cos(pi f) and weight * cos(pi f), and stops short
// of f = 0.5, where that factor vanishes.
struct CGrid {
    std::vector<double> f;        // frequency
    std::vector<double> x;        // cos(2 pi f), the variable of the polynomial
    std::vector<double> desired;  // wanted value of the cosine sum
    std::vector<double> weight;   // weight of its error
    std::vector<int> bandStart;   // first index of each band, then the grid's size
};

// The grid of bands (ordered, not overlapping) for r >= 1 cosine terms. Bands too narrow
// for 16 points per extremum get a denser grid, up to 1024 points per extremum; they may
// still hold fewer than the r + 1 points of a reference.
CGrid BuildGrid(const std::vector<CBand>& bands, int r, bool evenLength);

// cos(pi f): the factor that an even length puts in front of the cosine sum.
double EvenLengthFactor(double f);

}  // namespace equiripple
