#include "rt2poly.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// A complex value kept as mantissa * 2^exponent, so that a product of thousands of
// factors neither overflows nor underflows.
struct ScaledComplex {
    CComplex mantissa{1.0, 0.0};
    int exponent = 0;

    void multiply(double re, double im)
    {
        const double r = mantissa.re * re - mantissa.im * im;
        const double i = mantissa.re * im + mantissa.im * re;
        mantissa = CComplex(r, i);
        const double size = std::fabs(r) + std::fabs(i);
        if (size > 0x1p400 || (size < 0x1p-400 && size > 0.0))
            renormalize(size);
    }

    void renormalize(double size)
    {
        int e = 0;
        std::frexp(size, &e);
        mantissa = CComplex(std::ldexp(mantissa.re, -e), std::ldexp(mantissa.im, -e));
        exponent += e;
    }
};

// The product c * prod (x - roots[i]) at x_k = e^(-2 pi i k / M), so that the samples are the DFT of the coefficients.
std::vector<ScaledComplex> evaluateOnCircle(int n, CComplex c, const CComplexArray& roots, int m)
{
    std::vector<ScaledComplex> values(static_cast<size_t>(m));
    for (int k = 0; k < m; ++k) {
        const double angle = -2.0 * M_PI * k / m;
        const double xr = std::cos(angle), xi = std::sin(angle);
        ScaledComplex& v = values[static_cast<size_t>(k)];
        v.multiply(c.re, c.im);
        for (int i = 0; i < n && (v.mantissa.re != 0.0 || v.mantissa.im != 0.0); ++i)
            v.multiply(xr - roots[i].re, xi - roots[i].im);
    }
    return values;
}

}  // namespace

void rt2poly(int n, CComplex c, const CComplexArray& roots, CComplexArray& poly)
{
    if (n < 0 || n > roots.GetSize())
        throw std::invalid_argument("rt2poly: root count outside the roots array");
    if (poly.GetSize() < n + 1)
        throw std::invalid_argument("rt2poly: poly needs n + 1 elements");
    const int m = n + 1;
    const std::vector<ScaledComplex> values = evaluateOnCircle(n, c, roots, m);
    int top = INT_MIN;
    for (const ScaledComplex& v : values)
        if (v.mantissa.re != 0.0 || v.mantissa.im != 0.0)
            top = std::max(top, v.exponent);
    CComplexArray samples(m);
    for (int k = 0; k < m && top != INT_MIN; ++k) {
        const ScaledComplex& v = values[static_cast<size_t>(k)];
        samples[k] = CComplex(std::ldexp(v.mantissa.re, v.exponent - top),
            std::ldexp(v.mantissa.im, v.exponent - top));
    }
    const CComplexArray coefficients = samples.ifft();
    poly.Fill(0, poly.GetSize(), CComplex());
    for (int k = 0; k < m; ++k)
        poly[k] = CComplex(std::ldexp(coefficients[k].re, top == INT_MIN ? 0 : top),
            std::ldexp(coefficients[k].im, top == INT_MIN ? 0 : top));
}
