#pragma once

// Polynomials and independent measurements for the tests and the benchmark of zsolve.

#include "CComplexArray.h"

#include <complex>
#include <vector>

namespace zsolve_test {

using Complex = std::complex<double>;

// The polynomial of a Kaiser-windowed ideal low pass of `length` taps (cut-off 0.25 of
// the sampling frequency, 60 dB attenuation): c[j] = h[length-1-j] with
// h[n] = 2 fc sinc(2 fc (n - (length-1)/2)) w[n], w the Kaiser window, beta = 0.1102 (60 - 8.7).
CComplexArray KaiserLowPassPolynomial(int length);

// count coefficients with real and imaginary parts drawn from a standard normal
// distribution by a generator seeded with seed.
CComplexArray RandomPolynomial(int count, unsigned seed);

// The polynomial with the given roots, leading coefficient 1 (coefficient of z^k at k).
CComplexArray PolynomialFromRoots(const std::vector<Complex>& roots);

// |p(z)| / sum |c_k| |z|^k for the polynomial with coefficients c, in long double.
long double BackwardError(const CComplexArray& c, Complex z);

// The largest BackwardError over all finite roots.
double MaxBackwardError(const CComplexArray& c, const CComplexArray& roots);

// The largest backward errors over all finite roots, in long double: componentwise,
// |p(z)| / sum |c_k| |z|^k (BackwardError), and normwise, |p(z)| / (||c||_2 ||(1, z, ..,
// z^d)||_2), the relative change of the coefficients in the 2-norm that makes z a root.
struct BackwardErrors {
    double componentwise = 0.0;
    double normwise = 0.0;
};
BackwardErrors MaxBackwardErrors(const CComplexArray& c, const CComplexArray& roots);

// The largest ||z| - 1| over the roots within 1e-6 of the unit circle (0 if none); the
// number of such roots in onCircle.
double UnitCircleDistance(const CComplexArray& roots, int& onCircle);

// Sum |c_k| |z|^k / |p'(z)|: how far a root moves per unit of relative backward error.
long double RootCondition(const CComplexArray& c, Complex z);

// The roots of the polynomial by MPSolve (multiprecision, rounded to double).
CComplexArray MpsolveRoots(const CComplexArray& c);

// The roots as complex numbers.
std::vector<Complex> ToVector(const CComplexArray& roots);

}  // namespace zsolve_test
