// The solver against independent facts: MPSolve's roots, the backward error computed in
// long double, roots known by construction.
#include "PolynomialKit.h"
#include "Polish.h"
#include "Reciprocals.h"
#include "RootFinder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

using namespace zsolve_test;

constexpr double kU = 0x1p-53;

// Pairs each reference root with the nearest found root not yet taken; each pair must
// lie within the distance the root's condition allows for errors of a few hundred
// roundings in both (MPSolve's double output included).
void ExpectSameRoots(const CComplexArray& c, const CComplexArray& found, const std::vector<Complex>& reference)
{
    ASSERT_EQ(static_cast<size_t>(found.GetSize()), reference.size());
    std::vector<Complex> left = ToVector(found);
    for (const Complex& r : reference) {
        size_t best = 0;
        for (size_t j = 1; j < left.size(); ++j)
            best = std::abs(left[j] - r) < std::abs(left[best] - r) ? j : best;
        const double tolerance = 512 * kU * (static_cast<double>(RootCondition(c, r)) + std::abs(r));
        EXPECT_LE(std::abs(left[best] - r), tolerance) << "root " << r << " found " << left[best];
        left.erase(left.begin() + static_cast<long>(best));
    }
}

TEST(RootFinder, RandomPolynomialsMatchMpsolve)
{
    for (const int count : {2, 3, 8, 40, 150, 400}) {
        SCOPED_TRACE(count);
        const CComplexArray c = RandomPolynomial(count, 1000u + static_cast<unsigned>(count));
        const CComplexArray roots = zsolve::FindRoots(c);
        ExpectSameRoots(c, roots, ToVector(MpsolveRoots(c)));
        EXPECT_LE(MaxBackwardError(c, roots), 1e-15);
    }
}

class KaiserLowPass : public testing::TestWithParam<int> {};

TEST_P(KaiserLowPass, MatchesMpsolveWithSmallBackwardError)
{
    const CComplexArray c = KaiserLowPassPolynomial(GetParam());
    const CComplexArray roots = zsolve::FindRoots(c);
    ExpectSameRoots(c, roots, ToVector(MpsolveRoots(c)));
    EXPECT_LE(MaxBackwardError(c, roots), 1e-14);
    int onCircle = 0;
    EXPECT_LE(UnitCircleDistance(roots, onCircle), 1e-13);
    // The stop band zeros of a linear-phase low pass lie on the unit circle: about half of them.
    EXPECT_GT(onCircle, GetParam() / 3);
}

INSTANTIATE_TEST_SUITE_P(Lengths, KaiserLowPass, testing::Values(31, 255, 1023));

TEST(RootFinder, LongFilterMeetsTheAccuracyTargets)
{
    const CComplexArray c = KaiserLowPassPolynomial(4095);
    const CComplexArray roots = zsolve::FindRoots(c);
    ASSERT_EQ(roots.GetSize(), 4094);
    EXPECT_LE(MaxBackwardError(c, roots), 1e-14);
    int onCircle = 0;
    EXPECT_LE(UnitCircleDistance(roots, onCircle), 1e-13);
    EXPECT_GT(onCircle, 1500);
}

TEST(RootFinder, IsDeterministic)
{
    const CComplexArray c = KaiserLowPassPolynomial(1023);
    const CComplexArray first = zsolve::FindRoots(c);
    const CComplexArray second = zsolve::FindRoots(c);
    for (int i = 0; i < first.GetSize(); ++i) {
        EXPECT_EQ(first[i].re, second[i].re);
        EXPECT_EQ(first[i].im, second[i].im);
    }
}

// Counts the roots within radius of centre.
int CountNear(const CComplexArray& roots, Complex centre, double radius)
{
    int count = 0;
    for (int i = 0; i < roots.GetSize(); ++i)
        count += std::abs(Complex(roots[i].re, roots[i].im) - centre) <= radius;
    return count;
}

TEST(RootFinder, MultipleRootsAreFoundWithinTheirConditioning)
{
    // (z-1)^3 (z+0.5)^2: a root of multiplicity m moves by about (eps)^(1/m) under a
    // relative perturbation eps of the coefficients.
    const CComplexArray c = PolynomialFromRoots({1.0, 1.0, 1.0, -0.5, -0.5});
    const CComplexArray roots = zsolve::FindRoots(c);
    EXPECT_EQ(CountNear(roots, 1.0, 1e-4), 3);
    EXPECT_EQ(CountNear(roots, -0.5, 1e-6), 2);
    EXPECT_LE(MaxBackwardError(c, roots), 1e-14);
}

TEST(RootFinder, HighMultiplicityEndsWithTheBestEstimates)
{
    // (z - 0.5)^12 (z + 2i) converges slowly; the iteration must still stop.
    std::vector<Complex> expected(12, 0.5);
    expected.push_back(Complex(0.0, -2.0));
    const CComplexArray c = PolynomialFromRoots(expected);
    const CComplexArray roots = zsolve::FindRoots(c);
    EXPECT_EQ(CountNear(roots, 0.5, 0.1), 12);
    EXPECT_EQ(CountNear(roots, Complex(0.0, -2.0), 1e-10), 1);
    EXPECT_LE(MaxBackwardError(c, roots), 1e-14);
}

TEST(RootFinder, RootsOfUnity)
{
    const int n = 64;
    CComplexArray c(n + 1);
    c[0] = -1.0;
    c[n] = 1.0;
    const CComplexArray roots = zsolve::FindRoots(c);
    for (int k = 0; k < n; ++k)
        EXPECT_EQ(CountNear(roots, std::polar(1.0, 2.0 * M_PI * k / n), 1e-15), 1) << k;
}

TEST(RootFinder, WidelySpreadRootsKeepTheirRelativeAccuracy)
{
    // Roots on several circles of the Newton polygon, and roots near the ends of the
    // range of double, where squares and products of the iteration underflow.
    const std::vector<std::vector<Complex>> cases{{1e-6, Complex(0, 1e-3), -1.0, 1e3, Complex(0, -1e6), 2e6},
                                                  {1e-200, -1.0, Complex(0, 1e200)},
                                                  {Complex(3e-150, 1e-150), Complex(0, 2e-150), 5e150, -4e150}};
    for (const std::vector<Complex>& expected : cases) {
        const CComplexArray roots = zsolve::FindRoots(PolynomialFromRoots(expected));
        for (const Complex& r : expected)
            EXPECT_EQ(CountNear(roots, r, 1e-12 * std::abs(r)), 1) << r;
    }
    // 1e300 + z + 1e-300 z^2, its end coefficients 600 decades apart: roots 1e300 (-1 +- i sqrt 3) / 2.
    CComplexArray wide(3);
    wide[0] = 1e300;
    wide[1] = 1.0;
    wide[2] = 1e-300;
    const CComplexArray roots = zsolve::FindRoots(wide);
    for (const double sign : {1.0, -1.0})
        EXPECT_EQ(CountNear(roots, Complex(-0.5e300, sign * std::sqrt(0.75) * 1e300), 1e288), 1) << sign;
}

TEST(RootFinder, ScalingTheCoefficientsKeepsTheRoots)
{
    const CComplexArray c = RandomPolynomial(30, 7);
    const CComplexArray reference = zsolve::FindRoots(c);
    for (const double scale : {1e-300, 1e300}) {
        CComplexArray scaled = c;
        for (int k = 0; k < scaled.GetSize(); ++k)
            scaled[k] = CComplex(scaled[k].re * scale, scaled[k].im * scale);
        const CComplexArray roots = zsolve::FindRoots(scaled);
        for (int i = 0; i < roots.GetSize(); ++i)
            EXPECT_EQ(CountNear(reference, Complex(roots[i].re, roots[i].im), 1e-13), 1) << scale;
    }
}

TEST(RootFinder, ZerosAtBothEndsGiveRootsAtZeroAndInfinity)
{
    // 0 + 0 z + 2 z^2 - 3 z^3 + z^4 + 0 z^5 + 0 z^6: z^2 (z - 1)(z - 2), two roots at infinity.
    CComplexArray c(7);
    c[2] = 2.0;
    c[3] = -3.0;
    c[4] = 1.0;
    const CComplexArray roots = zsolve::FindRoots(c);
    ASSERT_EQ(roots.GetSize(), 6);
    EXPECT_EQ(CountNear(roots, 0.0, 0.0), 2);
    EXPECT_EQ(CountNear(roots, 1.0, 1e-15), 1);
    EXPECT_EQ(CountNear(roots, 2.0, 4e-15), 1);
    int infinite = 0;
    for (int i = 0; i < roots.GetSize(); ++i)
        infinite += roots[i].re == std::numeric_limits<double>::infinity() && roots[i].im == 0.0;
    EXPECT_EQ(infinite, 2);
}

TEST(RootFinder, PolishingTakesANewtonStepOnlyWhenItIsShortAgainstTheNearestOtherRoot)
{
    const zsolve::CPolynomial p({1.1, -2.1, 1.0});  // (z - 1) (z - 1.1)
    const struct {
        double start, polished;
    } cases[] = {
        // p(1.001) = 0.001 * -0.099 and p'(1.001) = -0.098: a step of 0.00101 towards 1, short
        // against the 0.099 to the other root.
        {1.001, 1.001 - 0.099e-3 / 0.098},
        // p(1.075) = 0.075 * -0.025 and p'(1.075) = 0.05: the step of 0.0375 would land at
        // 1.1125, past the other root 0.025 away; the root stays.
        {1.075, 1.075},
    };
    for (const auto& c : cases) {
        std::vector<Complex> z = {c.start, 1.1};
        zsolve::PolishRoots(p, z, {0, 1});
        EXPECT_NEAR(z[0].real(), c.polished, 1e-12) << c.start;
        EXPECT_EQ(z[0].imag(), 0.0) << c.start;
        EXPECT_NEAR(z[1].real(), 1.1, 1e-15);  // a root stays where it is
    }
}

TEST(RootFinder, SmallCases)
{
    CComplexArray constant(1);
    constant[0] = 5.0;
    EXPECT_EQ(zsolve::FindRoots(constant).GetSize(), 0);
    CComplexArray linear(2);
    linear[0] = CComplex(1.0, 2.0);
    linear[1] = CComplex(0.0, 1.0);  // i z + 1 + 2i = 0: z = -(1 + 2i) / i = -2 + i
    const CComplexArray root = zsolve::FindRoots(linear);
    ASSERT_EQ(root.GetSize(), 1);
    EXPECT_NEAR(root[0].re, -2.0, 1e-15);
    EXPECT_NEAR(root[0].im, 1.0, 1e-15);
}

TEST(RootFinder, RejectsPolynomialsWithoutRoots)
{
    EXPECT_THROW(zsolve::FindRoots(CComplexArray(0)), std::invalid_argument);
    EXPECT_THROW(zsolve::FindRoots(CComplexArray(5)), std::invalid_argument);
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity()}) {
        CComplexArray c(3);
        c[0] = 1.0;
        c[2] = CComplex(1.0, bad);
        EXPECT_THROW(zsolve::FindRoots(c), std::invalid_argument);
    }
}

}  // namespace

TEST(RootFinder, ReciprocalScaleBringsFinitePointsNearOneAndLeavesTheRestAlone)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    for (const zsolve::Complex z : {zsolve::Complex(3.0, -1.0), zsolve::Complex(0.0, 1e-300),
             zsolve::Complex(-1e300, 2.0), zsolve::Complex(0x1p-1022, 0.0)}) {
        const double scaled = std::fmax(std::fabs(z.real()), std::fabs(z.imag())) * zsolve::ReciprocalScale(z);
        EXPECT_TRUE(scaled >= 1.0 && scaled < 2.0) << z;
    }
    for (const zsolve::Complex z : {zsolve::Complex(0.0, 0.0), zsolve::Complex(nan, nan), zsolve::Complex(1.0, -inf)})
        EXPECT_EQ(zsolve::ReciprocalScale(z), 1.0) << z;
    EXPECT_EQ(zsolve::ReciprocalScale({0x1p-1074, 0.0}), 0x1p1023);  // the largest power of two, not inf
}
