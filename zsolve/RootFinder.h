#pragma once

#include "CComplexArray.h"
#include "Progress.h"

#include <stdexcept>

namespace zsolve {

// Roots that cannot be found to double precision; what() says why.
class RootFindingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The roots of c[0] + c[1] z + ... + c[n-1] z^(n-1), n = coefficients.GetSize(): n - 1
// values, each repeated by its multiplicity. Roots at 0 (c[0] = ... = c[k-1] = 0) come
// first as exact zeros, then the other finite roots, then the roots at infinity
// (c[n-1] = ... = 0) as (+inf, 0). n = 1 gives no roots. Deterministic: the same input
// always gives the same output.
// Every finite root returned meets a certificate: |p(z)| within a small multiple of the
// rounding-error bound of Horner's rule, eps * sum |c_k| |z|^k.
// Throws std::invalid_argument for n = 0, a coefficient that is not finite, or a
// polynomial whose coefficients are all zero; RootFindingError when the roots cannot be
// found in double precision (magnitudes of the coefficients spanning more than its range,
// roots beyond it, an iteration that does not settle): never a wrong root.
// report, when given, hears how many of the n - 1 roots are found and certified as that
// changes (roots at 0 and at infinity count as both from the start).
CComplexArray FindRoots(const CComplexArray& coefficients, const ProgressReport& report = {});

}  // namespace zsolve
