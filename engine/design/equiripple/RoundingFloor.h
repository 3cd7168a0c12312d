#pragma once

#include "ApproximationDesign.h"

#include <optional>

namespace equiripple {

// The best design of a that double coefficients can hold, where its own design full
// (nullopt: the exchange did not converge) is not realized by its coefficients. The
// candidates: full itself; the design of a with its gaps guarded (WithGuardBands), which
// keeps its coefficients small; and the design of the longest shorter length of the same
// parity whose coefficients realize it, padded with zeros at both ends (the same
// amplitude; its reference has that length's points). Of those, the one of the smallest
// largest weighted error on a's bands (LargestWeightedError, its figures never below
// what its coefficients reach), with bAtRoundingFloor set; nullopt where none converges.
std::optional<CEquirippleDesign> DesignAtRoundingFloor(const CApproximation& a, std::optional<CSolution> full);

}  // namespace equiripple
