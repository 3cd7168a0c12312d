#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// Sweeps of the Aberth-Ehrlich iteration never exceed this count; roots that have not
// met the stopping test by then (slowly converging clusters) keep their last estimate.
constexpr int kMaxSweeps = 500;

// Refines the approximations z (one per root of p, pairwise distinct) by Aberth-Ehrlich
// sweeps, O(d^2) each. A root is frozen once |p(z)| lies within the rounding-error bound
// of Horner's rule while its Newton step is short against the distance to the other
// approximations, or once its correction falls below the rounding of z. Every correction of
// a sweep uses the approximations from the start of that sweep, so the result does not
// depend on how the work is shared between threads.
void AberthIterate(const CPolynomial& p, std::vector<Complex>& z);

}  // namespace zsolve
