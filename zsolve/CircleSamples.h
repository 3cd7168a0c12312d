#pragma once

#include "CComplexArray.h"
#include "Polynomial.h"

#include <vector>

namespace zsolve {

// log2(rho) rounded to a multiple of 2^-24, so that k log2(rho) is exact for k < 2^20 and
// rho^k from it is rounded once, like a coefficient. rho > 0 and finite.
double QuantizedLog2(double rho);

// w_k = rho^k / S for k = 0 .. d, rho = 2^log2Rho, S the power of two at or above the
// largest |c_k| rho^k: the weights that bring p(rho z) to a scale where sums of |c_k| rho^k
// neither overflow nor lose their largest terms; log2 S into log2Scale when given. c holds
// d + 1 coefficients, one not zero.
std::vector<double> CircleWeights(const std::vector<Complex>& c, double log2Rho, double* log2Scale = nullptr);

// The values sum_k c_k w_k e^(-2 pi i j k / M) at j = 0 .. M-1 (the scaled p at rho
// e^(-2 pi i j / M)), by one FFT of the coefficients folded modulo M; M a power of two.
// With order m > 0, the coefficients c_k for k < m are left out (the Taylor tables' use).
CComplexArray SamplesOnCircle(const std::vector<Complex>& c, const std::vector<double>& weights, int points,
                              int order = 0);

// The values of the scaled z p'(z) = sum_k k c_k w_k z^k at the same points.
CComplexArray SlopesOnCircle(const std::vector<Complex>& c, const std::vector<double>& weights, int points);

}  // namespace zsolve
