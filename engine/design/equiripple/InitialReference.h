#pragma once

#include "Approximation.h"
#include "EquirippleGrid.h"
#include "ExtremumSearch.h"

#include <vector>

namespace equiripple {

// A start of the exchange for a with r + 1 points in the parts of its bands that grid
// covers: each band gets its share of the weighted equilibrium measure of the bands
// (CEquilibriumMeasure, weights as the approximation's, over a differentiator's band by
// the middle frequency), at least one point while there are enough, placed evenly in that
// measure from one end of the band to the other. Then points move one at a time between
// neighbouring bands while that raises the levelled deviation (a lower bound of the best
// error), at most maxMoves times: rounding the shares is what the measure predicts least
// well. Where that reference levels to 0 (a problem and reference symmetric about 0.25,
// on which the exchange would stay), one more point is placed and the last left out.
std::vector<CExtremum> StartingReference(const CApproximation& a, const CGrid& grid, int r, int maxMoves);

}  // namespace equiripple
