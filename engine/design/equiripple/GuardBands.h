#pragma once

#include "Approximation.h"

namespace equiripple {

// The approximation a with its gaps guarded. A design longer than its bands need leaves
// its polynomial free between them, and the best one may rise there by many orders of
// magnitude: its coefficients then grow with it, and their rounding swamps the error on
// the bands. Guard bands (guard = true, gain 0) cover each gap between the bands, and
// those before the first and after the last, a twentieth of the gap's width off the
// bands. Their weight, levelled / (kGuardAmplitude times the largest desired amplitude),
// lets the amplitude there reach that many times the largest gain at the error levelled
// (> 0, the levelled error of a's own design), and no more; the error on the bands grows
// only where a's best design needed more.
CApproximation WithGuardBands(const CApproximation& a, double levelled);

constexpr double kGuardAmplitude = 2.0;

}  // namespace equiripple
