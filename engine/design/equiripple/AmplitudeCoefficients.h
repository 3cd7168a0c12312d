#pragma once

#include "Approximation.h"
#include "Barycentric.h"
#include "CRealArray.h"

namespace equiripple {

// The nLength coefficients h of a whose amplitude is A(f) = Q(f) P(cos 2 pi f): A sampled
// at k / N, given the linear phase of a delay of (N - 1) / 2 samples (and a quarter turn
// for an antisymmetric filter, A(f) = sum h[n] sin(2 pi f ((N - 1) / 2 - n))), transformed
// back and made exactly symmetric or antisymmetric. P(x) for x off the bands comes from
// EvaluateAccurately wherever Evaluate's rounding would exceed 1e-15: the transform spreads
// the error of one sample over the whole band. With rounding: a bound of |A_h(f) - A(f)|
// at every f, the amplitude of the double coefficients against that of the polynomial
// (from h's transform at k / N, its rounding, the samples' rounding and the Lebesgue
// constant of interpolation at k / N).
struct CAmplitudeCoefficients {
    CRealArray h{0};
    double rounding = 0.0;
};

CAmplitudeCoefficients AmplitudeCoefficients(const CApproximation& a, const CBarycentricPolynomial& p);

// The largest weighted error |W (D - A)| of coefficients h (a.nLength of them, as
// AmplitudeCoefficients makes them) on the bands of a (guard bands left out), less W times the rounding of A
// (8 units in the last place times sqrt(N) times the sum of |h|, at most 1e-12: larger
// coefficients resolve nothing of a design), at the frequencies
// k / M of a transform of M >= 4 N points (a power of two), A from that transform: a
// check, independent of the polynomial, that the coefficients realize the design.
double LargestCoefficientError(const CApproximation& a, const CRealArray& h);

}  // namespace equiripple
