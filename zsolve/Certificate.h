#pragma once

#include "Polynomial.h"

#include <functional>
#include <vector>

namespace zsolve {

// A computed root is accepted when |p(z)| lies within this multiple of the rounding-error
// bound of Horner's rule (the stopping test's bound): what rounding z to double and
// evaluating p in double can leave at a root found to full precision.
constexpr double kCertainty = 4.0;

// The roots z[i], i in which, that fail the certificate: z not finite, or |p(z)| above
// kCertainty times the rounding-error bound of Horner's rule, or that bound (eps * sum
// |c_k| |z|^k) so small that an underflow in Horner's rule, which adds up to the smallest
// subnormal number, would escape it. Horner's rule in double runs on both threads, a
// block of roots at a time; certified(n) is told the number passed so far after each
// block. Increasing order.
std::vector<int> Uncertified(const CPolynomial& p, const std::vector<Complex>& z, const std::vector<int>& which,
                             const std::function<void(int)>& certified = {});

}  // namespace zsolve
