#include "TaylorTable.h"

#include "CircleSamples.h"
#include "Parallel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zsolve {

namespace {

// The Taylor series stops where its terms have fallen below this fraction of the largest.
constexpr double kTail = 0x1p-64;

// A series of more terms than this is not built: the annulus is too wide for one table.
constexpr int kMaxTerms = 600;

// |t| at the farthest point from its zeta_j: the whole radial width plus half a step on
// the circle, t = e^(s + i phi) - 1 with 0 <= s <= tau, |phi| <= pi / M.
double LargestStep(double tau, int points)
{
    return std::expm1(tau) + std::exp(tau) * M_PI / points;
}

// The number of terms a series with |d t| up to lambda needs: the mean of a Poisson
// distribution of parameter lambda plus ten of its standard deviations, and a margin.
int EstimatedTerms(double lambda)
{
    return static_cast<int>(std::ceil(lambda + 10.0 * std::sqrt(lambda) + 16.0));
}

// Row j of the table receives, for each order m in [begin, end), the value at zeta_j of
// the scaled polynomial sum_k c_k w_k^(m) z^k (one FFT per order, the coefficients folded
// modulo M). weights holds w^(0) = rho^k / S and is advanced to each order by
// w^(m) = w^(m-1) (k - m + 1) tau / m, which gives w_k^(m) = rho^k C(k, m) tau^m / S.
void FillOrders(const std::vector<Complex>& c, std::vector<double> weights, double tau, int points, int stride,
                int begin, int end, std::vector<Complex>& rows)
{
    const int d = static_cast<int>(c.size()) - 1;
    for (int m = 0; m < end; ++m) {
        for (int k = m; m > 0 && k <= d; ++k)
            weights[k] *= (k - m + 1) * tau / m;
        if (m < begin)
            continue;
        const CComplexArray values = SamplesOnCircle(c, weights, points, m);
        for (int j = 0; j < points; ++j)
            rows[static_cast<size_t>(j) * stride + m] = Complex(values[j].re, values[j].im);
    }
}

}  // namespace

double CTaylorTable::Bytes(int degree, double span, int points)
{
    const double tau = span / degree;
    const int terms = EstimatedTerms(degree * LargestStep(tau, points));
    return static_cast<double>(terms + 1) * points * sizeof(Complex);
}

CTaylorTable::CTaylorTable(const std::vector<Complex>& c, double rho, double span, int points)
    : m_degree(static_cast<int>(c.size()) - 1), m_points(points)
{
    if (m_degree < 1 || !(rho > 0.0) || !std::isfinite(rho) || !(span > 0.0) || points < 2
        || (points & (points - 1)) != 0)
        throw std::invalid_argument("a Taylor table needs degree >= 1, rho > 0, span > 0 and a power of two of points");
    m_log2Rho = QuantizedLog2(rho);
    m_rho = std::exp2(m_log2Rho);
    m_tau = span / m_degree;
    m_outer = m_rho * std::exp(m_tau);
    Fill(c);
}

void CTaylorTable::Fill(const std::vector<Complex>& c)
{
    const std::vector<double> weights = CircleWeights(c, m_log2Rho);
    SumModuli(c, weights);
    m_tolerance = 4.0 * m_terms + 4.0 * std::log2(m_points);
    const int stride = m_terms + 1;
    m_rows.assign(static_cast<size_t>(m_points) * stride, Complex());
    const double work = static_cast<double>(stride) * (m_degree + 5.0 * m_points * std::log2(m_points));
    SplitWork(stride, work, [&](int begin, int end) {
        FillOrders(c, weights, m_tau, m_points, stride, begin, end, m_rows);
    });
}

void CTaylorTable::SumModuli(const std::vector<Complex>& c, std::vector<double> w)
{
    const double lambda = m_degree * LargestStep(m_tau, m_points);
    const double logLargest = std::log(LargestStep(m_tau, m_points) / m_tau);
    double peak = -HUGE_VAL;
    for (int m = 0;; ++m) {
        if (m > kMaxTerms)
            throw std::invalid_argument("the annulus is too wide for one Taylor table");
        double sum = 0.0;
        for (int k = m; k <= m_degree; ++k) {
            w[k] *= m > 0 ? (k - m + 1) * m_tau / m : 1.0;
            sum += std::abs(c[k]) * w[k];
        }
        m_moduli.push_back(sum);
        const double logTerm = std::log(sum) + m * logLargest;
        peak = std::max(peak, logTerm);
        if (!(logTerm >= peak + std::log(kTail)) && m > lambda)
            break;
    }
    m_terms = static_cast<int>(m_moduli.size()) - 1;
}

bool CTaylorTable::Covers(Complex z) const
{
    const double r = std::abs(z);
    return r >= m_rho && r <= m_outer;
}

double CTaylorTable::Series(const std::vector<double>& m, double x) const
{
    double sum = m[static_cast<size_t>(m_terms)];
    for (int k = m_terms - 1; k >= 0; --k)
        sum = sum * x + m[static_cast<size_t>(k)];
    return sum;
}

void CTaylorTable::Values(Complex z, Complex& value, Complex& derivative, double& bound) const
{
    double reach = 0.0;
    Expand(z, value, derivative, reach);
    bound = Series(m_moduli, (std::abs(z) - m_rho) / (m_rho * m_tau));
}

void CTaylorTable::Expand(Complex z, Complex& value, Complex& derivative, double& reach) const
{
    const double turns = -std::arg(z) / (2.0 * M_PI) * m_points;
    const int j = static_cast<int>(std::lround(turns)) & (m_points - 1);
    // zeta_j from an angle in (-pi, pi], where it is rounded least.
    const int signedJ = j > m_points / 2 ? j - m_points : j;
    const Complex zeta = std::polar(m_rho, -2.0 * M_PI * signedJ / m_points);
    const Complex big = (z - zeta) / (zeta * m_tau);  // T = t / tau
    const Complex* row = &m_rows[static_cast<size_t>(j) * (m_terms + 1)];
    Complex v = row[m_terms], dv = 0.0;
    for (int m = m_terms - 1; m >= 0; --m) {
        dv = dv * big + v;
        v = v * big + row[m];
    }
    value = v;
    derivative = dv / (m_tau * zeta);
    reach = Series(m_moduli, std::abs(big));
}

void CTaylorTable::Evaluate(Complex z, Complex& inverseNewton, bool& settled) const
{
    Complex value, derivative;
    double reach = 0.0;
    Expand(z, value, derivative, reach);
    inverseNewton = derivative / value;
    settled = std::abs(value) <= m_tolerance * kUnitRoundoff * reach;
}

}  // namespace zsolve
