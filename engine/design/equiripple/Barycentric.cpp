#include "Barycentric.h"

#include "BarycentricKernel.h"
#include "DoubleDouble.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <thread>

namespace equiripple {

namespace {

// A point outside [-1, 1], where no node lies, that fills a last block of points.
constexpr double kFiller = 3.0;
constexpr size_t kBlock = 32;
// Evaluations of at least this many terms (points times nodes) use two threads.
constexpr size_t kThreadedTerms = size_t{1} << 20;

// v 2^e, by one multiplication where 2^e is a normal double.
double timesPowerOfTwo(double v, int e)
{
    if (e < -1000 || e > 1000)
        return std::ldexp(v, e);
    const std::uint64_t bits = static_cast<std::uint64_t>(e + 1023) << 52;
    double scale = 0.0;
    std::memcpy(&scale, &bits, sizeof scale);
    return v * scale;
}

// count points from x into a block of kLanes, the rest kFiller.
void fillBlock(const double* x, size_t count, double* block)
{
    std::fill(block, block + kLanes, kFiller);
    std::copy(x, x + count, block);
}

}  // namespace

CScaledWeights BarycentricWeights(const std::vector<double>& x)
{
    std::vector<double> products(x.size() + kLanes);
    std::vector<int> exponents(x.size() + kLanes);
    double block[kLanes];
    for (size_t start = 0; start < x.size(); start += kLanes) {
        fillBlock(x.data() + start, std::min(kLanes, x.size() - start), block);
        ProductsOfDifferences(block, x.data(), x.size(), &products[start], &exponents[start]);
    }
    CScaledWeights weights;
    weights.exponent = std::numeric_limits<int>::min();
    for (size_t k = 0; k < x.size(); ++k)
        weights.exponent = std::max(weights.exponent, -exponents[k]);
    for (size_t k = 0; k < x.size(); ++k)
        weights.mantissa.push_back(std::ldexp(1.0 / products[k], -exponents[k] - weights.exponent));
    return weights;
}

CBarycentricPolynomial::CBarycentricPolynomial(std::vector<double> x, std::vector<double> y)
    : CBarycentricPolynomial(x, std::move(y), BarycentricWeights(x))
{
}

CBarycentricPolynomial::CBarycentricPolynomial(std::vector<double> x, std::vector<double> y, const CScaledWeights& w)
    : m_x(std::move(x)), m_y(std::move(y)), m_byX(m_x.size())
{
    if (m_x.empty() || m_y.size() != m_x.size() || w.mantissa.size() != m_x.size())
        throw std::invalid_argument("interpolation needs one value and weight per node and at least one node");
    for (size_t k = 0; k < m_x.size(); ++k)
        m_weighted.push_back(w.mantissa[k] * m_y[k]);
    m_nExponent = w.exponent;
    std::iota(m_byX.begin(), m_byX.end(), size_t{0});
    std::sort(m_byX.begin(), m_byX.end(), [this](size_t a, size_t b) { return m_x[a] < m_x[b]; });
}

void CBarycentricPolynomial::Evaluate(const double* x, size_t count, double* value, double* bound) const
{
    // Long evaluations share the work with a second thread, at a block boundary.
    if (count * m_x.size() < kThreadedTerms || count < 2 * kLanes) {
        EvaluateRange(x, count, value, bound);
        return;
    }
    const size_t half = count / 2 / kLanes * kLanes;
    std::thread other([&] { EvaluateRange(x + half, count - half, value + half, bound ? bound + half : nullptr); });
    EvaluateRange(x, half, value, bound);
    other.join();
}

void CBarycentricPolynomial::EvaluateRange(const double* x, size_t count, double* value, double* bound) const
{
    const double eps = std::numeric_limits<double>::epsilon();
    const double productRounding = std::sqrt(static_cast<double>(m_x.size())) * eps;
    double block[kLanes];
    for (size_t start = 0; start < count; start += kLanes) {
        const size_t n = std::min(kLanes, count - start);
        fillBlock(x + start, n, block);
        const CLaneSums s = SumOverNodes(block, m_x.data(), m_weighted.data(), m_x.size());
        for (size_t i = 0; i < n; ++i) {
            const int exponent = s.exponent[i] + m_nExponent;
            value[start + i] = timesPowerOfTwo(s.product[i] * s.sum[i], exponent);
            if (bound)
                bound[start + i] = 2.0 * eps * std::abs(timesPowerOfTwo(s.product[i] * s.size[i], exponent))
                    + productRounding * std::abs(value[start + i]);
        }
    }
    FixNodes(x, count, value, bound);
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

void CBarycentricPolynomial::EvaluateAccurately(const double* x, size_t count, double* value) const
{
    for (size_t i = 0; i < count; ++i) {
        CDoubleDouble product{1.0, 0.0}, sum{0.0, 0.0};
        int exponent = m_nExponent;
        for (size_t k = 0; k < m_x.size(); ++k) {
            const CDoubleDouble d = TwoSum(x[i], -m_x[k]);
            product = Multiply(product, d);
            sum = Add(sum, Divide(m_weighted[k], d));
            if (k % kBlock == kBlock - 1)
                Normalize(product, exponent);
        }
        value[i] = std::ldexp((product.hi + product.lo) * (sum.hi + sum.lo), exponent);
    }
    FixNodes(x, count, value, nullptr);
}

double CBarycentricPolynomial::operator()(double x) const
{
    double value = 0.0;
    Evaluate(&x, 1, &value);
    return value;
}

}  // namespace equiripple
