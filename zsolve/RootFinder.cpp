#include "RootFinder.h"

#include "Polynomial.h"
#include "Solver.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace zsolve {

namespace {

// Throws std::invalid_argument unless there is a coefficient, all are finite and one
// is not zero.
void CheckCoefficients(const CComplexArray& c)
{
    if (c.GetSize() == 0)
        throw std::invalid_argument("the polynomial has no coefficients");
    bool allZero = true;
    for (int k = 0; k < c.GetSize(); ++k) {
        if (!std::isfinite(c[k].re) || !std::isfinite(c[k].im))
            throw std::invalid_argument("coefficient " + std::to_string(k) + " is not finite");
        allZero = allZero && c[k].re == 0.0 && c[k].im == 0.0;
    }
    if (allZero)
        throw std::invalid_argument("all coefficients are zero");
}

// Removes the zero coefficients at both ends of c; returns how many were at the front.
int TrimZeros(std::vector<Complex>& c)
{
    while (!c.empty() && c.back() == 0.0)
        c.pop_back();
    const auto nonZero = std::find_if(c.begin(), c.end(), [](Complex x) { return x != 0.0; });
    const int front = static_cast<int>(nonZero - c.begin());
    c.erase(c.begin(), nonZero);
    return front;
}

double Magnitude(Complex c)
{
    return std::fmax(std::fabs(c.real()), std::fabs(c.imag()));
}

// The scaling keeps the end coefficients at least this power of two where it can: far
// enough above the subnormal numbers that Horner's rule at a root keeps full precision.
constexpr int kLowestEndExponent = DBL_MIN_EXP - 1 + 64;

// Multiplies c (end coefficients not zero) by a power of two, which keeps the roots
// exactly: the largest part near 1, so that no sum of moduli overflows, but raised where
// needed to keep the end coefficients well clear of the subnormal numbers (at least
// 2^kLowestEndExponent), as far as the range allows. Should
// that round a coefficient by more than a unit roundoff of its own size (the magnitudes
// span more than the range of double), the roots cannot be found in double: it throws
// RootFindingError.
void Scale(std::vector<Complex>& c)
{
    double largest = 0.0;
    for (const Complex& x : c)
        largest = std::fmax(largest, Magnitude(x));
    const int high = std::ilogb(largest);
    const int low = std::ilogb(std::fmin(Magnitude(c.front()), Magnitude(c.back())));
    const int shift = std::min(std::max(-high, kLowestEndExponent - low), 1000 - high);
    for (Complex& x : c) {
        const Complex scaled(std::ldexp(x.real(), shift), std::ldexp(x.imag(), shift));
        const double lost = std::fabs(std::ldexp(scaled.real(), -shift) - x.real())
            + std::fabs(std::ldexp(scaled.imag(), -shift) - x.imag());
        if (lost > kUnitRoundoff * Magnitude(x))
            throw RootFindingError("the magnitudes of the coefficients span more than double precision can hold");
        x = scaled;
    }
}

}  // namespace

CComplexArray FindRoots(const CComplexArray& coefficients, const ProgressReport& report)
{
    CheckCoefficients(coefficients);
    const int n = coefficients.GetSize();
    std::vector<Complex> c;
    for (int k = 0; k < n; ++k)
        c.emplace_back(coefficients[k].re, coefficients[k].im);
    const int zeros = TrimZeros(c);
    const int settled = n - static_cast<int>(c.size());  // roots at 0 and at infinity
    const auto proper = [&report, settled, n](const RootProgress& progress) {
        if (report)
            report({progress.found + settled, progress.certified + settled, n - 1});
    };
    Scale(c);
    const std::vector<Complex> finite = c.size() < 2 ? std::vector<Complex>() : ProperRoots(c, proper);
    CComplexArray roots(n - 1);
    int r = zeros;  // roots 0 .. zeros-1 stay at 0
    for (const Complex& z : finite)
        roots[r++] = CComplex(z.real(), z.imag());
    roots.Fill(r, n - 1, CComplex(std::numeric_limits<double>::infinity(), 0.0));
    return roots;
}

}  // namespace zsolve
