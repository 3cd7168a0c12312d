#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// Fast values of a polynomial of high degree d in a thin annulus rho <= |z| <= rho e^(span/d)
// around the origin, where the zeros of long filters lie. At M points zeta_j = rho
// e^(-2 pi i j / M) of the inner circle it holds the Taylor coefficients of p in
// t = (z - zeta_j) / zeta_j, computed once by one FFT per order; a point of the annulus is
// then evaluated from the nearest zeta_j in O(terms) operations instead of O(d). Since every
// point lies outward of its zeta_j, the sum of the Taylor terms' moduli stays within a small
// factor of sum |c_k| |z|^k and the rounding of the table is that of a few dozen operations.
// All values are scaled by one power of two, which cancels in p'/p and in the rounding test.
class CTaylorTable {
public:
    // c: the d + 1 >= 2 coefficients of p; rho > 0; span > 0 the width of the annulus in
    // units of 1/d; M, a power of two >= 2, the number of points on the circle. Throws
    // std::invalid_argument for other arguments.
    CTaylorTable(const std::vector<Complex>& c, double rho, double span, int points);

    // Whether z lies in the annulus the table serves.
    bool Covers(Complex z) const;
    // p'(z) / p(z) and whether |p(z)| lies within the rounding-error bound of the table's
    // evaluation, at a point z the table covers.
    void Evaluate(Complex z, Complex& inverseNewton, bool& settled) const;
    // The scaled p(z), p'(z) and sum |c_k| |z|^k, for tests of the table itself.
    void Values(Complex z, Complex& value, Complex& derivative, double& bound) const;

    int Terms() const { return m_terms; }
    // Bytes a table of these arguments would hold, before it is built.
    static double Bytes(int degree, double span, int points);

private:
    void Fill(const std::vector<Complex>& c);
    // The moduli series m_moduli from the weights w^(0) (CircleWeights), up to the order
    // where its terms at the largest |T| have fallen for good below kTail of the largest;
    // sets m_terms. std::invalid_argument beyond kMaxTerms orders.
    void SumModuli(const std::vector<Complex>& c, std::vector<double> w);
    // The scaled p(z) and p'(z), and the sum of the moduli of the Taylor terms (what the
    // table's rounding errors are relative to).
    void Expand(Complex z, Complex& value, Complex& derivative, double& reach) const;
    // sum m[k] x^k over the real moments m, x >= 0.
    double Series(const std::vector<double>& m, double x) const;

    int m_degree;
    double m_log2Rho;  // of the inner radius, quantized
    double m_rho;
    double m_outer;  // rho e^(span/d)
    double m_tau;    // span / d: t = tau T, |T| <= about 1 in the annulus
    int m_points;
    int m_terms;
    double m_tolerance;          // multiple of the unit roundoff the table's evaluation may err by
    std::vector<Complex> m_rows;  // row j: the terms + 1 coefficients at zeta_j, in powers of T
    std::vector<double> m_moduli; // sum over k of |c_k| rho^k C(k, m) tau^m, m = 0 .. terms
};

}  // namespace zsolve
