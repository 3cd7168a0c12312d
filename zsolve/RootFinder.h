#pragma once

#include "CComplexArray.h"

namespace zsolve {

// The roots of c[0] + c[1] z + ... + c[n-1] z^(n-1), n = coefficients.GetSize(): n - 1
// values, each repeated by its multiplicity. Roots at 0 (c[0] = ... = c[k-1] = 0) come
// first as exact zeros, then the other finite roots, then the roots at infinity
// (c[n-1] = ... = 0) as (+inf, 0). n = 1 gives no roots. Deterministic: the same input
// always gives the same output.
// Throws std::invalid_argument for n = 0, a coefficient that is not finite, or a
// polynomial whose coefficients are all zero.
CComplexArray FindRoots(const CComplexArray& coefficients);

}  // namespace zsolve
