#pragma once

#include "ExtremumSearch.h"
#include "WeightedError.h"

#include <vector>

namespace equiripple {

// Three points a <= b <= c of one band around a maximum of |error|, |error(b)| the
// largest of the three; at a band end that leads so far b == a or b == c. best is the
// extremum at b.
struct CPeakBracket {
    double a, b, c;
    double ea, eb, ec;  // |error| at a, b, c
    CExtremum best;
    double width = 0.0;  // c - a at the start
    bool active = true;
};

// A bracket of a, b and c with the error values at them (b's in best, its band there).
CPeakBracket MakeBracket(double a, double ea, const CExtremum& best, double c, double ec);

// Refines every bracket by successive parabolic interpolation of |error| (an end that
// leads: halving the distance to its neighbour, down to a 64th of the first), all of them
// together, until a step no longer promises to raise |error| by more than a part in 1e12
// or its rounding, or after 12 steps.
void RefinePeaks(std::vector<CPeakBracket>& brackets, const CWeightedError& e);

}  // namespace equiripple
