#pragma once

#include "Approximation.h"
#include "EquirippleDesign.h"

#include <optional>

namespace equiripple {

// A converged design of an approximation: the design with its figures (DesignFigures),
// the levelled error of its exchange, and whether its coefficients realize it (their
// error on a dense grid within the rounding of double coefficients of the design's
// largest; where not, design.bAtRoundingFloor is set and its figures are the
// coefficients').
struct CSolution {
    CEquirippleDesign design;
    double dLevelled = 0.0;
    bool bRealized = true;
};

// The Remez exchange on a from the weighted equilibrium measure of its bands, and its
// design; nullopt where the exchange does not converge. .second: the spread of the
// last iteration, (largest error - levelled) / largest.
std::pair<std::optional<CSolution>, double> Solve(const CApproximation& a);

}  // namespace equiripple
