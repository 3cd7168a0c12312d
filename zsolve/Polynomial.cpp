#include "Polynomial.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zsolve {

namespace {

// Points evaluated together: independent Horner recurrences side by side keep the
// floating-point units busy and let the compiler use vector instructions.
constexpr int kBlock = 8;

// Horner's rule at kBlock points w at once for p, p' and sum |c_k| |w|^k. The
// coefficients are read from c[first] on by steps of step (+1 or -1), degree + 1 of them.
struct HornerLanes {
    double wr[kBlock] = {}, wi[kBlock] = {}, wa[kBlock] = {};
    double vr[kBlock], vi[kBlock], dr[kBlock], di[kBlock], b[kBlock];

    Complex Derivative(int l) const { return {dr[l], di[l]}; }

    // Built twice, with AVX2 and without; the processor picks at load time. Without FMA
    // both do the same IEEE operations, so the results are the same bit for bit.
    __attribute__((target_clones("avx2", "default"))) void Run(const double* re, const double* im,
                                                                const double* mod, int first, int step,
                                                                int degree)
    {
        std::fill_n(vr, kBlock, re[first]);
        std::fill_n(vi, kBlock, im[first]);
        std::fill_n(b, kBlock, mod[first]);
        std::fill_n(dr, kBlock, 0.0);
        std::fill_n(di, kBlock, 0.0);
        for (int s = 1, k = first + step; s <= degree; ++s, k += step)
            Step(re[k], im[k], mod[k]);
    }

    void Step(double cr, double ci, double ca)
    {
        for (int l = 0; l < kBlock; ++l) {
            const double ndr = dr[l] * wr[l] - di[l] * wi[l] + vr[l];
            const double ndi = dr[l] * wi[l] + di[l] * wr[l] + vi[l];
            const double nvr = vr[l] * wr[l] - vi[l] * wi[l] + cr;
            const double nvi = vr[l] * wi[l] + vi[l] * wr[l] + ci;
            dr[l] = ndr;
            di[l] = ndi;
            vr[l] = nvr;
            vi[l] = nvi;
            b[l] = b[l] * wa[l] + ca;
        }
    }
};

// Horner's rule at kValueBlock points at once for p and sum |c_k| |w|^k only, as in
// HornerLanes: what a certificate needs, at about half the cost.
constexpr int kValueBlock = 16;

struct ValueLanes {
    double wr[kValueBlock] = {}, wi[kValueBlock] = {}, wa[kValueBlock] = {};
    double vr[kValueBlock], vi[kValueBlock], b[kValueBlock];

    Complex Derivative(int) const { return 0.0; }  // values only

    __attribute__((target_clones("avx2", "default"))) void Run(const double* re, const double* im,
                                                                const double* mod, int first, int step,
                                                                int degree)
    {
        std::fill_n(vr, kValueBlock, re[first]);
        std::fill_n(vi, kValueBlock, im[first]);
        std::fill_n(b, kValueBlock, mod[first]);
        for (int s = 1, k = first + step; s <= degree; ++s, k += step) {
            const double cr = re[k], ci = im[k], ca = mod[k];
            for (int l = 0; l < kValueBlock; ++l) {
                const double nvr = vr[l] * wr[l] - vi[l] * wi[l] + cr;
                vi[l] = vr[l] * wi[l] + vi[l] * wr[l] + ci;
                vr[l] = nvr;
                b[l] = b[l] * wa[l] + ca;
            }
        }
    }
};

// A value within this multiple of sum |c_k| |z|^k is below what the roundings of
// Horner's rule (two per step on each part, d steps) can produce at an exact root.
double RoundingBound(int degree)
{
    return 4.0 * (degree + 1) * kUnitRoundoff;
}

// p'/p from Horner's results: directly at z, or, for the reversed polynomial q evaluated
// at w = 1/z (p(z) = z^d q(w)), p'/p = w (d - w q'/q), in an order that keeps a tiny w
// from underflowing.
template <class T>
std::complex<T> InverseNewtonAt(std::complex<T> v, std::complex<T> dv, std::complex<T> w, bool outside,
                                int degree)
{
    if (!outside)
        return dv / v;
    return w * (static_cast<T>(degree) - w * (dv / v));
}

}  // namespace

CPolynomial::CPolynomial(const std::vector<Complex>& coefficients)
{
    if (coefficients.size() < 2 || coefficients.front() == 0.0 || coefficients.back() == 0.0)
        throw std::invalid_argument("the polynomial needs degree >= 1 and non-zero end coefficients");
    for (const Complex& c : coefficients) {
        if (!std::isfinite(c.real()) || !std::isfinite(c.imag()))
            throw std::invalid_argument("a coefficient is not finite");
        m_re.push_back(c.real());
        m_im.push_back(c.imag());
        m_abs.push_back(std::abs(c));
    }
}

void CPolynomial::Evaluate(const std::vector<Complex>& z, const int* index, int count,
                           std::vector<HornerValue>& out, bool derivative) const
{
    std::vector<int> inside, outside;
    for (int i = 0; i < count; ++i)
        (std::norm(z[index[i]]) <= 1.0 ? inside : outside).push_back(index[i]);
    const size_t block = derivative ? kBlock : kValueBlock;
    for (const bool far : {false, true}) {
        const std::vector<int>& list = far ? outside : inside;
        for (size_t b = 0; b < list.size(); b += block) {
            const int n = static_cast<int>(std::min(block, list.size() - b));
            if (derivative)
                EvaluateLanes<HornerLanes>(z, list.data() + b, n, far, out);
            else
                EvaluateLanes<ValueLanes>(z, list.data() + b, n, far, out);
        }
    }
}

// Horner's rule by lanes at count points z[index[...]] (their reciprocals when outside):
// the value, its rounding bound and, where the lanes compute it, the derivative.
template <class Lanes>
void CPolynomial::EvaluateLanes(const std::vector<Complex>& z, const int* index, int count, bool outside,
                                std::vector<HornerValue>& out) const
{
    Lanes lanes;
    for (int l = 0; l < count; ++l) {
        const Complex w = outside ? 1.0 / z[index[l]] : z[index[l]];
        lanes.wr[l] = w.real();
        lanes.wi[l] = w.imag();
        lanes.wa[l] = std::abs(w);
    }
    const int d = Degree();
    lanes.Run(m_re.data(), m_im.data(), m_abs.data(), outside ? 0 : d, outside ? 1 : -1, d);
    for (int l = 0; l < count; ++l) {
        HornerValue& h = out[index[l]];
        h.w = Complex(lanes.wr[l], lanes.wi[l]);
        h.outside = outside;
        h.value = Complex(lanes.vr[l], lanes.vi[l]);
        h.derivative = lanes.Derivative(l);
        h.bound = lanes.b[l];
    }
}

Complex CPolynomial::InverseNewton(const HornerValue& h) const
{
    return InverseNewtonAt(h.value, h.derivative, h.w, h.outside, Degree());
}

bool CPolynomial::WithinRounding(const HornerValue& h, double factor) const
{
    return std::abs(h.value) <= factor * RoundingBound(Degree()) * h.bound;
}

LongComplex CPolynomial::PreciseNewtonStep(const HornerValue& h, LongComplex value, LongComplex& base) const
{
    const LongComplex w(h.w);
    base = h.outside ? 1.0L / w : w;
    if (value == 0.0L)
        return 0.0L;
    return 1.0L / InverseNewtonAt(value, LongComplex(h.derivative), w, h.outside, Degree());
}

}  // namespace zsolve
