#include "rt2poly.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

using LongComplex = std::complex<long double>;

CComplexArray arrayOf(const std::vector<CComplex>& values)
{
    CComplexArray a(static_cast<int>(values.size()));
    for (int i = 0; i < a.GetSize(); ++i)
        a[i] = values[static_cast<size_t>(i)];
    return a;
}

CComplexArray polyOf(int n, CComplex c, const CComplexArray& roots, int size)
{
    CComplexArray poly(size);
    rt2poly(n, c, roots, poly);
    return poly;
}

// c (x - r0) ... (x - r(n-1)) by multiplying in one factor after another, in long double.
std::vector<LongComplex> naiveProduct(CComplex c, const CComplexArray& roots)
{
    std::vector<LongComplex> p{LongComplex(c.re, c.im)};
    for (int i = 0; i < roots.GetSize(); ++i) {
        const LongComplex r(roots[i].re, roots[i].im);
        std::vector<LongComplex> next(p.size() + 1);
        for (size_t k = 0; k < p.size(); ++k) {
            next[k + 1] += p[k];
            next[k] -= r * p[k];
        }
        p = next;
    }
    return p;
}

void expectCoefficients(const CComplexArray& poly, const std::vector<LongComplex>& expected, double tolerance)
{
    ASSERT_GE(poly.GetSize(), static_cast<int>(expected.size()));
    for (size_t k = 0; k < expected.size(); ++k) {
        const int i = static_cast<int>(k);
        EXPECT_NEAR(poly[i].re, static_cast<double>(expected[k].real()), tolerance) << "x^" << k;
        EXPECT_NEAR(poly[i].im, static_cast<double>(expected[k].imag()), tolerance) << "x^" << k;
    }
}

struct HandCase {
    const char* name;
    CComplex c;
    std::vector<CComplex> roots;
    std::vector<LongComplex> coefficients;  // constant term first
};

TEST(Rt2poly, SmallProductsExpandedByHand)
{
    const std::vector<HandCase> cases = {
        {"constant", {2.5, -1.0}, {}, {{2.5L, -1.0L}}},
        {"x - 3", {1.0, 0.0}, {{3.0, 0.0}}, {{-3.0L, 0.0L}, {1.0L, 0.0L}}},
        {"(x-1)(x-2)", {1.0, 0.0}, {{1.0, 0.0}, {2.0, 0.0}}, {{2.0L, 0.0L}, {-3.0L, 0.0L}, {1.0L, 0.0L}}},
        {"x^2+1", {1.0, 0.0}, {{0.0, 1.0}, {0.0, -1.0}}, {{1.0L, 0.0L}, {0.0L, 0.0L}, {1.0L, 0.0L}}},
        // 2 (x - (1+i)) (x - 2) = 2x^2 - (6+2i) x + (4+4i)
        {"complex", {2.0, 0.0}, {{1.0, 1.0}, {2.0, 0.0}}, {{4.0L, 4.0L}, {-6.0L, -2.0L}, {2.0L, 0.0L}}},
        // i x^3: three roots at 0
        {"i x^3", {0.0, 1.0}, {{0.0, 0.0}, {0.0, 0.0}, {0.0, 0.0}},
            {{0.0L, 0.0L}, {0.0L, 0.0L}, {0.0L, 0.0L}, {0.0L, 1.0L}}},
    };
    for (const HandCase& hand : cases) {
        SCOPED_TRACE(hand.name);
        const CComplexArray roots = arrayOf(hand.roots);
        expectCoefficients(polyOf(roots.GetSize(), hand.c, roots, roots.GetSize() + 1), hand.coefficients, 1e-14);
    }
}

TEST(Rt2poly, MatchesNaiveMultiplicationForRandomRootsInTheDisk)
{
    std::mt19937 engine(42u);
    std::uniform_real_distribution<double> radius(0.0, 1.0), angle(-M_PI, M_PI);
    for (int n : {1, 4, 9, 20, 40}) {
        CComplexArray roots(n);
        for (int i = 0; i < n; ++i) {
            const std::complex<double> z = std::polar(radius(engine), angle(engine));
            roots[i] = CComplex(z.real(), z.imag());
        }
        const CComplex c(0.5, -1.5);
        SCOPED_TRACE(n);
        expectCoefficients(polyOf(n, c, roots, n + 1), naiveProduct(c, roots), 1e-12);
    }
}

// Roots whose products leave the range of doubles on the way, reach 0 at a point of the
// circle, or come in sets large enough to be shared among threads: the coefficients
// against the naive product in long double, to rounding of the largest.
TEST(Rt2poly, MatchesNaiveMultiplicationWhereProductsGrowShrinkOrVanish)
{
    std::mt19937 engine(7u);
    std::uniform_real_distribution<double> angle(-M_PI, M_PI), unit(0.0, 1.0);
    const auto ring = [&](int n, double low, double high) {
        std::vector<CComplex> roots;
        for (int i = 0; i < n; ++i) {
            const std::complex<double> z = std::polar(low + (high - low) * unit(engine), angle(engine));
            roots.emplace_back(z.real(), z.imag());
        }
        return roots;
    };
    // n pairs z, conj(z) of equally spaced arguments in (0, pi) and moduli in low .. high,
    // as the zeros of a filter lie: a product whose coefficients stay modest.
    const auto pairs = [&](int n, double low, double high) {
        std::vector<CComplex> roots;
        for (int i = 0; i < n; ++i) {
            const std::complex<double> z = std::polar(low + (high - low) * unit(engine), M_PI * (i + 0.5) / n);
            roots.emplace_back(z.real(), z.imag());
            roots.emplace_back(z.real(), -z.imag());
        }
        return roots;
    };
    const auto joined = [](std::vector<CComplex> a, const std::vector<CComplex>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        const char* name;
        std::vector<CComplex> roots;
        CComplex c;
    };
    const Case cases[] = {
        // 1300 factors of about 1.87 on average after a gain of 2^-900: products from
        // below 2^-400 to beyond 2^1024, renormalized on the way.
        {"growing past the largest double", ring(1300, 1.86, 1.88), {0x1p-900, 0.0}},
        // Roots near 1e9 among small ones: factors too large to multiply unwatched.
        {"huge roots", joined(ring(30, 1e8, 1e9), ring(50, 0.0, 1e-3)), {0.75, 0.25}},
        // 1 and -1 are points of the circle at which the product is sampled (k = 0, and
        // k = m / 2 for an even m): those samples are exactly 0.
        {"vanishing at sample points", joined({{1.0, 0.0}, {-1.0, 0.0}}, ring(97, 0.2, 1.0)), {0.75, 0.25}},
        // Conjugate pairs and a real root under a real gain: a real product, of which half
        // the samples are the other half's conjugates (an even number of them here).
        {"real, shared among threads", joined(pairs(1800, 0.9, 1.0), {{-0.5, 0.0}}), {0.75, 0.0}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const CComplexArray roots = arrayOf(test.roots);
        const CComplex c = test.c;
        const std::vector<LongComplex> expected = naiveProduct(c, roots);
        long double largest = 0.0L;
        for (const LongComplex& e : expected)
            largest = std::max(largest, std::abs(e));
        const double tolerance = static_cast<double>(largest) * 1e-13 * std::sqrt(roots.GetSize());
        expectCoefficients(polyOf(roots.GetSize(), c, roots, roots.GetSize() + 1), expected, tolerance);
    }
}

class RootsOfUnity : public testing::TestWithParam<int> {};

TEST_P(RootsOfUnity, GiveXToTheNMinusOne)
{
    const int n = GetParam();
    CComplexArray roots(n);
    for (int k = 0; k < n; ++k)
        roots[k] = CComplex(std::cos(2.0 * M_PI * k / n), std::sin(2.0 * M_PI * k / n));
    const CComplexArray poly = polyOf(n, CComplex(1.0, 0.0), roots, n + 1);
    double worst = 0.0;
    for (int k = 0; k <= n; ++k) {
        const double expected = k == 0 ? -1.0 : (k == n ? 1.0 : 0.0);
        worst = std::max(worst, std::hypot(poly[k].re - expected, poly[k].im));
    }
    // Rounding grows with the number of factors: allow about n ulp.
    EXPECT_LT(worst, 1e-15 * n) << "n = " << n;
}

INSTANTIATE_TEST_SUITE_P(Sizes, RootsOfUnity, testing::Values(8, 255, 4094));

TEST(Rt2poly, RepeatedRootGivesBinomialCoefficients)
{
    // (x - a)^k = sum over j of C(k, j) (-a)^(k-j) x^j.
    for (const auto& [a, k] : {std::pair<double, int>{1.0, 10}, {0.5, 20}, {-2.0, 12}}) {
        CComplexArray roots(k);
        roots.Fill(0, k, CComplex(a, 0.0));
        std::vector<LongComplex> expected(static_cast<size_t>(k + 1));
        long double binomial = 1.0L, largest = 0.0L;
        for (int j = 0; j <= k; ++j) {
            expected[static_cast<size_t>(j)] = binomial * std::pow(-static_cast<long double>(a), k - j);
            largest = std::max(largest, std::abs(expected[static_cast<size_t>(j)]));
            binomial = binomial * (k - j) / (j + 1);
        }
        SCOPED_TRACE("a = " + std::to_string(a));
        expectCoefficients(polyOf(k, CComplex(1.0, 0.0), roots, k + 1), expected,
            static_cast<double>(largest) * 1e-14);
    }
}

TEST(Rt2poly, GainMultipliesEveryCoefficient)
{
    const CComplexArray roots = arrayOf({{0.3, 0.4}, {-0.7, 0.1}, {0.2, -0.9}, {0.5, 0.0}});
    const CComplexArray unit = polyOf(4, CComplex(1.0, 0.0), roots, 5);
    const std::complex<double> c(-2.0, 3.0);
    const CComplexArray scaled = polyOf(4, CComplex(c.real(), c.imag()), roots, 5);
    for (int k = 0; k <= 4; ++k) {
        const std::complex<double> expected = c * std::complex<double>(unit[k].re, unit[k].im);
        EXPECT_NEAR(scaled[k].re, expected.real(), 1e-14);
        EXPECT_NEAR(scaled[k].im, expected.imag(), 1e-14);
    }
    const CComplexArray zero = polyOf(4, CComplex(0.0, 0.0), roots, 5);
    for (int k = 0; k <= 4; ++k)
        EXPECT_TRUE(zero[k].re == 0.0 && zero[k].im == 0.0) << "x^" << k;
}

TEST(Rt2poly, UsesOnlyTheFirstNRootsAndZeroesTheRestOfPoly)
{
    const CComplexArray roots = arrayOf({{1.0, 0.0}, {2.0, 0.0}, {99.0, 5.0}});
    CComplexArray poly(6);
    poly.Fill(0, 6, CComplex(7.0, 7.0));
    rt2poly(2, CComplex(1.0, 0.0), roots, poly);
    expectCoefficients(poly, {{2.0L, 0.0L}, {-3.0L, 0.0L}, {1.0L, 0.0L}}, 1e-14);
    for (int k = 3; k < 6; ++k)
        EXPECT_TRUE(poly[k].re == 0.0 && poly[k].im == 0.0) << "poly[" << k << "]";
}

TEST(Rt2poly, RejectsBadArguments)
{
    const CComplexArray roots(3);
    CComplexArray poly(4), shortPoly(3);
    EXPECT_THROW(rt2poly(-1, CComplex(1.0), roots, poly), std::invalid_argument);
    EXPECT_THROW(rt2poly(4, CComplex(1.0), roots, poly), std::invalid_argument);
    EXPECT_THROW(rt2poly(3, CComplex(1.0), roots, shortPoly), std::invalid_argument);
}

}  // namespace
