#include "RootFinder.h"

#include "Aberth.h"
#include "Polish.h"
#include "Polynomial.h"
#include "StartingPoints.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace zsolve {

namespace {

// Throws std::invalid_argument unless there is a coefficient and all are finite.
void CheckCoefficients(const CComplexArray& c)
{
    if (c.GetSize() == 0)
        throw std::invalid_argument("the polynomial has no coefficients");
    for (int k = 0; k < c.GetSize(); ++k) {
        if (!std::isfinite(c[k].re) || !std::isfinite(c[k].im))
            throw std::invalid_argument("coefficient " + std::to_string(k) + " is not finite");
    }
}

bool IsZero(const CComplex& c)
{
    return c.re == 0.0 && c.im == 0.0;
}

// c[first .. last] scaled by a power of two (exact) so that the largest modulus lies in
// [1, 2): no overflow in the evaluations, the same roots.
std::vector<Complex> ScaledCoefficients(const CComplexArray& c, int first, int last)
{
    double largest = 0.0;
    for (int k = first; k <= last; ++k)
        largest = std::fmax(largest, c[k].abs());
    const int shift = -std::ilogb(largest);
    std::vector<Complex> scaled;
    for (int k = first; k <= last; ++k)
        scaled.emplace_back(std::ldexp(c[k].re, shift), std::ldexp(c[k].im, shift));
    return scaled;
}

// The roots of a polynomial whose first and last coefficients are not zero.
std::vector<Complex> ProperRoots(const std::vector<Complex>& coefficients)
{
    if (coefficients.size() < 2)
        return {};
    const CPolynomial p(coefficients);
    std::vector<Complex> z = StartingPoints(p);
    AberthIterate(p, z);
    PolishRoots(p, z);
    return z;
}

}  // namespace

CComplexArray FindRoots(const CComplexArray& coefficients)
{
    CheckCoefficients(coefficients);
    const int n = coefficients.GetSize();
    int first = 0, last = n - 1;
    while (first < n && IsZero(coefficients[first]))
        ++first;
    if (first == n)
        throw std::invalid_argument("all coefficients are zero");
    while (IsZero(coefficients[last]))
        --last;
    const std::vector<Complex> finite = ProperRoots(ScaledCoefficients(coefficients, first, last));
    CComplexArray roots(n - 1);
    int r = first;  // roots 0 .. first-1 stay at 0
    for (const Complex& z : finite)
        roots[r++] = CComplex(z.real(), z.imag());
    roots.Fill(r, n - 1, CComplex(std::numeric_limits<double>::infinity(), 0.0));
    return roots;
}

}  // namespace zsolve
