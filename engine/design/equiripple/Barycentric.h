#pragma once

#include <cstddef>
#include <vector>

namespace equiripple {

// Barycentric weights w_k = 1 / prod_{j != k} (x_k - x_j) of distinct nodes, stored as
// mantissas that share one power of two (w_k = mantissa[k] 2^exponent), since the
// products over thousands of nodes leave the range of a double. Weights more than
// about 2^-1070 below the largest become 0.
struct CScaledWeights {
    std::vector<double> mantissa;
    int exponent = 0;
};

CScaledWeights BarycentricWeights(const std::vector<double>& x);

// The polynomial p of degree n - 1 through n >= 1 points (x_k, y_k) with distinct x_k,
// evaluated in the first ("modified Lagrange") barycentric form
// p(x) = l(x) sum_k w_k y_k / (x - x_k), l(x) = prod_k (x - x_k). That form is backward
// stable for any nodes; the second form, which divides by sum_k w_k / (x - x_k), loses
// accuracy with the Lebesgue constant, and the references of strongly weighted designs
// have a huge one.
class CBarycentricPolynomial {
public:
    CBarycentricPolynomial(std::vector<double> x, std::vector<double> y);
    // The same with the weights of the nodes given (as BarycentricWeights makes them).
    CBarycentricPolynomial(std::vector<double> x, std::vector<double> y, const CScaledWeights& w);

    // value[i] = p(x[i]) for i < count. With bound, also bound[i]: an estimate of the
    // rounding error of value[i]: 2 units in the last place of the sum of the sizes of its
    // terms, plus the rounding of the product l(x), sqrt(n) units of p(x); 2 units of y_k
    // at node k. Evaluations of a million terms (points times nodes) or more share the
    // work with a second thread.
    void Evaluate(const double* x, size_t count, double* value, double* bound = nullptr) const;
    double operator()(double x) const;
    // p at each x to about 1e-30 relative of the sizes of the terms (double-double
    // arithmetic on the same nodes, weights and values), where Evaluate's rounding would
    // show: off the bands, where the Lebesgue function of a strongly weighted reference
    // reaches 1e10. Costs about twenty times Evaluate's time per value.
    void EvaluateAccurately(const double* x, size_t count, double* value) const;

private:
    // Evaluate in the calling thread.
    void EvaluateRange(const double* x, size_t count, double* value, double* bound) const;
    // Sets value[i] to y_k where x[i] is node k, which the sum cannot take.
    void FixNodes(const double* x, size_t count, double* value, double* bound) const;

    std::vector<double> m_x, m_y;
    std::vector<double> m_weighted;  // w_k y_k, in units of 2^m_nExponent
    int m_nExponent;
    std::vector<size_t> m_byX;  // node indices in increasing x
};

}  // namespace equiripple
