#include "EquilibriumMeasure.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Gauss-Chebyshev nodes per gap integral, and theta steps per band (the density is
// smooth and even in theta at both ends, so the trapezoidal rule converges fast).
constexpr int kNodes = 48;
constexpr int kSteps = 128;

// The product of |x - e| over the ends e except ends[skip] and ends[skip + 1], whose
// 1 / sqrt factor the substitution x = mid - half cos(theta) takes up.
double otherEnds(const std::vector<double>& ends, size_t skip, double x)
{
    double p = 1.0;
    for (size_t k = 0; k < ends.size(); ++k)
        if (k != skip && k != skip + 1)
            p *= std::abs(x - ends[k]);
    return p;
}

double polynomial(const std::vector<double>& c, double x)
{
    double v = 0.0;
    for (size_t k = c.size(); k-- > 0;)
        v = v * x + c[k];
    return v;
}

// Row col of the row-major n x n system a c = b swapped with the row below it of the
// largest |a[row][col]|.
void pivot(std::vector<double>& a, std::vector<double>& b, size_t n, size_t col)
{
    size_t largest = col;
    for (size_t row = col + 1; row < n; ++row)
        if (std::abs(a[row * n + col]) > std::abs(a[largest * n + col]))
            largest = row;
    std::swap_ranges(a.begin() + static_cast<long>(col * n), a.begin() + static_cast<long>((col + 1) * n),
        a.begin() + static_cast<long>(largest * n));
    std::swap(b[col], b[largest]);
}

// The solution c of the square system a c = b (a row-major, n x n, n at most 15), by
// Gaussian elimination with partial pivoting.
std::vector<double> solve(std::vector<double> a, std::vector<double> b)
{
    const size_t n = b.size();
    for (size_t col = 0; col < n; ++col) {
        pivot(a, b, n, col);
        for (size_t row = col + 1; row < n; ++row) {
            const double factor = a[row * n + col] / a[col * n + col];
            for (size_t k = col; k < n; ++k)
                a[row * n + k] -= factor * a[col * n + k];
            b[row] -= factor * b[col];
        }
    }
    std::vector<double> c(n);
    for (size_t row = n; row-- > 0;) {
        double v = b[row];
        for (size_t k = row + 1; k < n; ++k)
            v -= a[row * n + k] * c[k];
        c[row] = v / a[row * n + row];
    }
    return c;
}

// q's coefficients: monic, one degree per gap (ends 2 j + 1 .. 2 j + 2), with the integral
// of q / sqrt(R) over gap j equal to jumps[j]; Gauss-Chebyshev quadrature on each gap,
// whose sum over the nodes is kNodes / pi times the integral.
std::vector<double> gapPolynomial(const std::vector<double>& ends, const std::vector<double>& jumps)
{
    const size_t gaps = jumps.size();
    std::vector<double> a(gaps * gaps), b(gaps);
    for (size_t j = 0; j < gaps; ++j) {
        const double lo = ends[2 * j + 1], hi = ends[2 * j + 2];
        for (int l = 0; l < kNodes; ++l) {
            const double x = 0.5 * (lo + hi) - 0.5 * (hi - lo) * std::cos((l + 0.5) * kPi / kNodes);
            double power = 1.0 / std::sqrt(otherEnds(ends, 2 * j + 1, x));
            for (size_t m = 0; m < gaps; ++m, power *= x)
                a[j * gaps + m] += power;
            b[j] -= power;
        }
        b[j] += jumps[j] * kNodes / kPi;
    }
    std::vector<double> c = gaps ? solve(a, b) : std::vector<double>{};
    c.push_back(1.0);
    return c;
}

}  // namespace

CEquilibriumMeasure::CEquilibriumMeasure(const std::vector<CMeasureBand>& bands, double n)
{
    if (bands.empty() || bands.size() > 16 || !(n >= 1.0))
        throw std::invalid_argument("the equilibrium measure takes 1 to 16 bands and a degree of at least 1");
    std::vector<double> jumps;
    for (size_t b = bands.size(); b-- > 0;) {
        m_ends.push_back(std::cos(2.0 * kPi * bands[b].hi));
        m_ends.push_back(std::cos(2.0 * kPi * bands[b].lo));
        if (b > 0)
            jumps.push_back((std::log(bands[b - 1].weight) - std::log(bands[b].weight)) / n);
    }
    m_q = gapPolynomial(m_ends, jumps);
    for (size_t b = 0; b < bands.size(); ++b)
        m_cumulative.push_back(Cumulative(b));
    double total = 0.0;
    for (const std::vector<double>& cumulative : m_cumulative)
        total += cumulative.back();
    for (const std::vector<double>& cumulative : m_cumulative)
        m_shares.push_back(cumulative.back() / total);
}

std::vector<double> CEquilibriumMeasure::Cumulative(size_t b) const
{
    std::vector<double> cumulative{0.0};
    double previous = Density(b, 0.0);
    for (int s = 1; s <= kSteps; ++s) {
        const double next = Density(b, kPi * s / kSteps);
        cumulative.push_back(cumulative.back() + 0.5 * (previous + next) * kPi / kSteps);
        previous = next;
    }
    return cumulative;
}

double CEquilibriumMeasure::XAt(size_t b, double theta) const
{
    const size_t i = IntervalOf(b);
    const double lo = m_ends[2 * i], hi = m_ends[2 * i + 1];
    return 0.5 * (lo + hi) + 0.5 * (hi - lo) * std::cos(theta);
}

double CEquilibriumMeasure::Density(size_t b, double theta) const
{
    const double x = XAt(b, theta);
    return std::abs(polynomial(m_q, x)) / (kPi * std::sqrt(otherEnds(m_ends, 2 * IntervalOf(b), x)));
}

double CEquilibriumMeasure::FrequencyAt(int band, double u) const
{
    const size_t b = static_cast<size_t>(band);
    const std::vector<double>& c = m_cumulative[b];
    const double target = std::clamp(u, 0.0, 1.0) * c.back();
    const size_t k = std::clamp<size_t>(static_cast<size_t>(std::upper_bound(c.begin(), c.end(), target) - c.begin()), 1,
        c.size() - 1);
    const double rise = c[k] - c[k - 1];
    const double theta = kPi * (static_cast<double>(k - 1) + (rise > 0.0 ? (target - c[k - 1]) / rise : 0.0)) / kSteps;
    return std::acos(std::clamp(XAt(b, theta), -1.0, 1.0)) / (2.0 * kPi);
}

}  // namespace equiripple
