#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// One Newton step for each root z[i], i in which, with the value of p computed to about
// twice the working precision (CPolynomial::PreciseValues), kept only when it is short
// against the distance to the nearest other root (so that a root in a cluster never jumps
// to a neighbour). O(d + n) per root, some five times Horner's rule: meant for all roots
// of a short polynomial or a few of a long one. Deterministic; the
// roots are shared between threads.
void PolishRoots(const CPolynomial& p, std::vector<Complex>& z, const std::vector<int>& which);

}  // namespace zsolve
