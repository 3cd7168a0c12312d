#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// One Newton step per root with the value of p computed in long double, kept only when
// it is short against the distance to the nearest other root (so that a root in a
// cluster never jumps to a neighbour). Deterministic; the roots are shared between threads.
void PolishRoots(const CPolynomial& p, std::vector<Complex>& z);

}  // namespace zsolve
