#pragma once

#include <complex>
#include <vector>

namespace zsolve {

using Complex = std::complex<double>;
using LongComplex = std::complex<long double>;

// Unit roundoff of double arithmetic.
constexpr double kUnitRoundoff = 0x1p-53;

// Horner's rule at one point z: for |z| <= 1 on p itself at w = z, else on the reversed
// polynomial q(w) = w^d p(1/w) at w = 1/z (rounded), so that no power of |w| exceeds 1.
struct HornerValue {
    Complex w;           // z, or 1/z when outside
    bool outside = false;  // |z| > 1
    Complex value;       // p(w), or q(w) when outside
    Complex derivative;  // p'(w), or q'(w)
    double bound = 0.0;  // sum |c_k| |w|^k, or sum |c_k| |w|^(d-k)
};

// A polynomial c[0] + c[1] z + ... + c[d] z^d of degree d >= 1 with c[0] and c[d] not
// zero, held as split real parts, imaginary parts and moduli for the evaluation kernels.
class CPolynomial {
public:
    // coefficients: d + 1 >= 2 finite values, the first and the last not zero; else
    // std::invalid_argument.
    explicit CPolynomial(const std::vector<Complex>& coefficients);

    int Degree() const { return static_cast<int>(m_re.size()) - 1; }
    // |c[k]|, k = 0 .. d.
    const std::vector<double>& Moduli() const { return m_abs; }

    // Horner's rule at the points z[index[i]], i < count, in double; the results go to
    // out[index[i]]. Without derivative, HornerValue::derivative is left 0, at half the cost.
    void Evaluate(const std::vector<Complex>& z, const int* index, int count, std::vector<HornerValue>& out,
                  bool derivative = true) const;

    // p'(z) / p(z) at the point of h.
    Complex InverseNewton(const HornerValue& h) const;

    // Whether |p(z)| lies within factor times the rounding-error bound of Horner's rule,
    // eps * sum |c_k| |z|^k: with factor 1, in double arithmetic z cannot be told apart
    // from a root. False for a value that is not finite.
    bool WithinRounding(const HornerValue& h, double factor = 1.0) const;

    // The values of p (or of the reversed polynomial) at the points h[index[i]].w, i < count,
    // to about the accuracy of Horner's rule in twice the working precision (a compensated
    // Horner scheme), into out[index[i]]: the residual at a root found to full precision.
    void PreciseValues(const std::vector<HornerValue>& h, const int* index, int count,
                       std::vector<LongComplex>& out) const;

    // The Newton step p(z) / p'(z) at the point z of h, with value the precise p(z) (or
    // q(w)) from PreciseValues (the derivative from h is accurate enough). base receives z
    // in long double (for an outside point the exact 1 / w), the point the step applies to.
    LongComplex PreciseNewtonStep(const HornerValue& h, LongComplex value, LongComplex& base) const;

private:
    template <class Lanes>
    void EvaluateLanes(const std::vector<Complex>& z, const int* index, int count, bool outside,
                       std::vector<HornerValue>& out) const;

    std::vector<double> m_re;
    std::vector<double> m_im;
    std::vector<double> m_abs;
};

}  // namespace zsolve
