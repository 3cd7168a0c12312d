#include "PolynomialKit.h"

#include "Kaizer.h"

#include <cmath>
#include <future>
#include <mps/mps.h>
#include <random>
#include <stdexcept>
#include <vector>

namespace zsolve_test {

namespace {

using LongComplex = std::complex<long double>;

// Horner's rule in long double at z (|z| <= 1) or on the reversed polynomial at 1/z:
// value, derivative with respect to that variable, and sum |c_k| |var|^k.
struct Horner {
    LongComplex value, derivative;
    long double bound = 0.0L;
    bool reversed = false;
};

Horner Evaluate(const CComplexArray& c, Complex z)
{
    Horner h;
    const int n = c.GetSize();
    h.reversed = std::abs(z) > 1.0;
    const LongComplex w = h.reversed ? 1.0L / LongComplex(z) : LongComplex(z);
    const long double wr = w.real(), wi = w.imag(), wa = std::sqrt(wr * wr + wi * wi);
    long double vr = 0.0L, vi = 0.0L, dr = 0.0L, di = 0.0L;
    for (int i = 0; i < n; ++i) {
        const CComplex& ck = c[h.reversed ? i : n - 1 - i];
        const long double cr = ck.re, ci = ck.im;
        const long double ndr = dr * wr - di * wi + vr, ndi = dr * wi + di * wr + vi;
        const long double nvr = vr * wr - vi * wi + cr, nvi = vr * wi + vi * wr + ci;
        dr = ndr, di = ndi, vr = nvr, vi = nvi;
        h.bound = h.bound * wa + std::sqrt(cr * cr + ci * ci);
    }
    h.value = LongComplex(vr, vi);
    h.derivative = LongComplex(dr, di);
    return h;
}

}  // namespace

CComplexArray KaiserLowPassPolynomial(int length)
{
    const double fc = 0.25;
    const CRealArray w = Kaizer(length, 0.1102 * (60.0 - 8.7));
    CComplexArray c(length);
    for (int n = 0; n < length; ++n) {
        const double x = 2.0 * fc * (n - (length - 1) / 2.0);
        const double sinc = x == 0.0 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
        c[length - 1 - n] = 2.0 * fc * sinc * w[n];
    }
    return c;
}

CComplexArray RandomPolynomial(int count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::normal_distribution<double> normal;
    CComplexArray c(count);
    for (int k = 0; k < count; ++k) {
        const double re = normal(generator);
        c[k] = CComplex(re, normal(generator));
    }
    return c;
}

CComplexArray PolynomialFromRoots(const std::vector<Complex>& roots)
{
    std::vector<Complex> poly{1.0};
    for (const Complex& r : roots) {
        poly.push_back(0.0);
        for (size_t k = poly.size() - 1; k > 0; --k)
            poly[k] = poly[k - 1] - r * poly[k];
        poly[0] *= -r;
    }
    CComplexArray c(static_cast<int>(poly.size()));
    for (size_t k = 0; k < poly.size(); ++k)
        c[static_cast<int>(k)] = CComplex(poly[k].real(), poly[k].imag());
    return c;
}

long double BackwardError(const CComplexArray& c, Complex z)
{
    const Horner h = Evaluate(c, z);
    return std::abs(h.value) / h.bound;
}

namespace {

// |p(z)| in long double by Horner's rule at z (|z| <= 1) or on the reversed polynomial at
// 1/z, with sum |c_k| |var|^k (magnitude[k] = |c_k|) and sum |var|^(2k): the backward
// errors of z, componentwise and normwise (norm = ||c||_2).
BackwardErrors ErrorsAt(const CComplexArray& c, const std::vector<long double>& magnitude, long double norm, Complex z)
{
    const int n = c.GetSize();
    const bool reversed = std::abs(z) > 1.0;
    const LongComplex w = reversed ? 1.0L / LongComplex(z) : LongComplex(z);
    const long double wr = w.real(), wi = w.imag(), wa = std::abs(w);
    long double vr = 0.0L, vi = 0.0L, bound = 0.0L, powers = 0.0L;
    for (int i = 0; i < n; ++i) {
        const int k = reversed ? i : n - 1 - i;
        const long double nvr = vr * wr - vi * wi + c[k].re;
        vi = vr * wi + vi * wr + c[k].im, vr = nvr;
        bound = bound * wa + magnitude[static_cast<size_t>(k)];
        powers = powers * wa * wa + 1.0L;
    }
    const long double value = std::hypot(vr, vi);
    return {static_cast<double>(value / bound), static_cast<double>(value / (norm * std::sqrt(powers)))};
}

}  // namespace

BackwardErrors MaxBackwardErrors(const CComplexArray& c, const CComplexArray& roots)
{
    std::vector<long double> magnitude(static_cast<size_t>(c.GetSize()));
    long double norm = 0.0L;
    for (int k = 0; k < c.GetSize(); ++k) {
        magnitude[static_cast<size_t>(k)] = std::hypot(static_cast<long double>(c[k].re), c[k].im);
        norm = std::hypot(norm, magnitude[static_cast<size_t>(k)]);
    }
    // The roots in two halves, one on a thread of its own: the long filters' checks take seconds.
    const auto worstOf = [&](int begin, int end) {
        BackwardErrors worst;
        for (int i = begin; i < end; ++i) {
            if (!std::isfinite(roots[i].re))
                continue;
            const BackwardErrors e = ErrorsAt(c, magnitude, norm, Complex(roots[i].re, roots[i].im));
            worst = {std::fmax(worst.componentwise, e.componentwise), std::fmax(worst.normwise, e.normwise)};
        }
        return worst;
    };
    const int half = roots.GetSize() / 2;
    std::future<BackwardErrors> first = std::async(std::launch::async, worstOf, 0, half);
    const BackwardErrors second = worstOf(half, roots.GetSize());
    const BackwardErrors one = first.get();
    return {std::fmax(one.componentwise, second.componentwise), std::fmax(one.normwise, second.normwise)};
}

double MaxBackwardError(const CComplexArray& c, const CComplexArray& roots)
{
    return MaxBackwardErrors(c, roots).componentwise;
}

double UnitCircleDistance(const CComplexArray& roots, int& onCircle)
{
    double worst = 0.0;
    onCircle = 0;
    for (int i = 0; i < roots.GetSize(); ++i) {
        const double distance = std::fabs(roots[i].abs() - 1.0);
        if (distance < 1e-6) {
            ++onCircle;
            worst = std::fmax(worst, distance);
        }
    }
    return worst;
}

long double RootCondition(const CComplexArray& c, Complex z)
{
    const Horner h = Evaluate(c, z);
    // For the reversed polynomial q(w), w = 1/z: |p'(z)| / |z|^(n-1) = |(n-1) q - w q'|.
    const int d = c.GetSize() - 1;
    const LongComplex w = 1.0L / LongComplex(z);
    const long double slope = h.reversed ? std::abs(static_cast<long double>(d) * h.value - w * h.derivative) / std::abs(w)
                                         : std::abs(h.derivative);
    return h.bound / slope;
}

CComplexArray MpsolveRoots(const CComplexArray& c)
{
    const int degree = c.GetSize() - 1;
    mps_context* context = mps_context_new();
    mps_monomial_poly* poly = mps_monomial_poly_new(context, degree);
    for (int k = 0; k <= degree; ++k)
        mps_monomial_poly_set_coefficient_d(context, poly, k, c[k].re, c[k].im);
    mps_context_set_input_poly(context, MPS_POLYNOMIAL(poly));
    mps_context_set_output_prec(context, 64);
    mps_context_set_output_goal(context, MPS_OUTPUT_GOAL_APPROXIMATE);
    mps_mpsolve(context);
    cplx_t* roots = nullptr;
    mps_context_get_roots_d(context, &roots, nullptr);
    CComplexArray result(degree);
    for (int i = 0; i < degree; ++i)
        result[i] = CComplex(cplx_Re(roots[i]), cplx_Im(roots[i]));
    cplx_vfree(roots);
    mps_polynomial_free(context, MPS_POLYNOMIAL(poly));
    mps_context_free(context);
    return result;
}

std::vector<Complex> ToVector(const CComplexArray& roots)
{
    std::vector<Complex> v;
    for (int i = 0; i < roots.GetSize(); ++i)
        v.emplace_back(roots[i].re, roots[i].im);
    return v;
}

}  // namespace zsolve_test

// MPSolve loads tcmalloc, whose start-up registration is never freed; LeakSanitizer is not
// to count it against the programs that use the oracle.
extern "C" const char* __lsan_default_suppressions() { return "leak:libtcmalloc_minimal\n"; }
