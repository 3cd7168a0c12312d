#include "Barycentric.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace equiripple {

namespace {

// Products are brought back to [0.5, 1) after this many factors: factors lie within
// [-2, 2], so no run of them leaves the range of a double.
constexpr size_t kBlock = 32;
// Points evaluated together; their running values stay in the first-level cache.
constexpr size_t kChunk = 256;

struct CRunningProduct {
    double mantissa = 1.0;
    int exponent = 0;
    void Normalize()
    {
        int e = 0;
        mantissa = std::frexp(mantissa, &e);
        exponent += e;
    }
};

CRunningProduct productOfDifferences(const std::vector<double>& x, size_t k)
{
    CRunningProduct p;
    for (size_t j = 0; j < x.size(); ++j) {
        if (j != k)
            p.mantissa *= x[k] - x[j];
        if (j % kBlock == kBlock - 1)
            p.Normalize();
    }
    p.Normalize();
    return p;
}

// The running values of a chunk of points: l(x) as product 2^exponent, the sum and the
// sum of the sizes of its terms.
struct CChunk {
    double product[kChunk];
    int exponent[kChunk];
    double sum[kChunk];
    double size[kChunk];
};

// For nodes [begin, end) and n points: l *= x - x_k, sum += w_k y_k / (x - x_k).
__attribute__((target_clones("avx2", "default"))) void accumulate(const double* px, size_t n,
    const double* nx, const double* nwy, size_t begin, size_t end, CChunk& c)
{
    for (size_t k = begin; k < end; ++k) {
        const double xk = nx[k], wyk = nwy[k];
        for (size_t i = 0; i < n; ++i) {
            const double d = px[i] - xk;
            const double term = wyk / d;
            c.product[i] *= d;
            c.sum[i] += term;
            c.size[i] += std::abs(term);
        }
    }
}

void normalize(CChunk& c, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        int e = 0;
        c.product[i] = std::frexp(c.product[i], &e);
        c.exponent[i] += e;
    }
}

}  // namespace

CScaledWeights BarycentricWeights(const std::vector<double>& x)
{
    std::vector<CRunningProduct> products(x.size());
    for (size_t k = 0; k < x.size(); ++k)
        products[k] = productOfDifferences(x, k);
    CScaledWeights weights;
    weights.exponent = std::numeric_limits<int>::min();
    for (const CRunningProduct& p : products)
        weights.exponent = std::max(weights.exponent, -p.exponent);
    for (const CRunningProduct& p : products)
        weights.mantissa.push_back(std::ldexp(1.0 / p.mantissa, -p.exponent - weights.exponent));
    return weights;
}

CBarycentricPolynomial::CBarycentricPolynomial(std::vector<double> x, std::vector<double> y)
    : m_x(std::move(x)), m_y(std::move(y)), m_byX(m_x.size())
{
    if (m_x.empty() || m_y.size() != m_x.size())
        throw std::invalid_argument("interpolation needs one value per node and at least one node");
    const CScaledWeights w = BarycentricWeights(m_x);
    for (size_t k = 0; k < m_x.size(); ++k)
        m_weighted.push_back(w.mantissa[k] * m_y[k]);
    m_nExponent = w.exponent;
    std::iota(m_byX.begin(), m_byX.end(), size_t{0});
    std::sort(m_byX.begin(), m_byX.end(), [this](size_t a, size_t b) { return m_x[a] < m_x[b]; });
}

void CBarycentricPolynomial::Evaluate(const double* x, size_t count, double* value, double* bound) const
{
    for (size_t start = 0; start < count; start += kChunk)
        EvaluateChunk(x + start, std::min(kChunk, count - start), value + start, bound ? bound + start : nullptr);
    FixNodes(x, count, value, bound);
}

void CBarycentricPolynomial::EvaluateChunk(const double* x, size_t n, double* value, double* bound) const
{
    CChunk c;
    std::fill(c.product, c.product + n, 1.0);
    std::fill(c.exponent, c.exponent + n, m_nExponent);
    std::fill(c.sum, c.sum + n, 0.0);
    std::fill(c.size, c.size + n, 0.0);
    for (size_t begin = 0; begin < m_x.size(); begin += kBlock) {
        accumulate(x, n, m_x.data(), m_weighted.data(), begin, std::min(begin + kBlock, m_x.size()), c);
        normalize(c, n);
    }
    const double eps = std::numeric_limits<double>::epsilon();
    const double productRounding = std::sqrt(static_cast<double>(m_x.size())) * eps;
    for (size_t i = 0; i < n; ++i) {
        value[i] = std::ldexp(c.product[i] * c.sum[i], c.exponent[i]);
        if (bound)
            bound[i] = 2.0 * eps * std::abs(std::ldexp(c.product[i] * c.size[i], c.exponent[i]))
                + productRounding * std::abs(value[i]);
    }
}

void CBarycentricPolynomial::FixNodes(const double* x, size_t count, double* value, double* bound) const
{
    for (size_t i = 0; i < count; ++i) {
        if (std::isfinite(value[i]))
            continue;
        const auto node = std::lower_bound(m_byX.begin(), m_byX.end(), x[i],
            [this](size_t k, double v) { return m_x[k] < v; });
        if (node == m_byX.end() || m_x[*node] != x[i])
            continue;
        value[i] = m_y[*node];
        if (bound)
            bound[i] = 2.0 * std::numeric_limits<double>::epsilon() * std::abs(m_y[*node]);
    }
}

std::vector<double> CBarycentricPolynomial::EvaluatePrecisely(const std::vector<long double>& x) const
{
    // The products stay within the range of a long double: no scaling.
    std::vector<long double> weighted(m_x.size());
    for (size_t k = 0; k < m_x.size(); ++k) {
        long double product = 1.0L;
        for (size_t j = 0; j < m_x.size(); ++j)
            product *= j == k ? 1.0L : static_cast<long double>(m_x[k]) - m_x[j];
        weighted[k] = m_y[k] / product;
    }
    std::vector<double> values;
    for (long double at : x) {
        long double product = 1.0L, sum = 0.0L;
        for (size_t k = 0; k < m_x.size(); ++k) {
            product *= at - m_x[k];
            sum += weighted[k] / (at - m_x[k]);
        }
        const auto node = std::find(m_x.begin(), m_x.end(), at);
        values.push_back(node == m_x.end() ? static_cast<double>(product * sum) : m_y[static_cast<size_t>(node - m_x.begin())]);
    }
    return values;
}

double CBarycentricPolynomial::operator()(double x) const
{
    double value = 0.0;
    Evaluate(&x, 1, &value);
    return value;
}

}  // namespace equiripple
