#include "Kaizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// I0(x) by its power series, sum over k of ((x/2)^k / k!)^2, in long double.
long double besselI0(long double x)
{
    long double term = 1.0L, sum = 1.0L;
    for (int k = 1; term > 1e-22L * sum; ++k) {
        term *= (x / (2.0L * k)) * (x / (2.0L * k));
        sum += term;
    }
    return sum;
}

struct WindowCase {
    int n;
    double beta;
};

class KaizerFormula : public testing::TestWithParam<WindowCase> {};

TEST_P(KaizerFormula, MatchesTheDefinition)
{
    const auto [n, beta] = GetParam();
    const CRealArray w = Kaizer(n, beta);
    // The argument beta sqrt(...) carries a few ulp of rounding, which I0 amplifies
    // roughly by beta: allow for that, far below any error in the formula itself.
    const double tolerance = 4e-16 * (1.0 + beta);
    ASSERT_EQ(w.GetSize(), n);
    for (int k = 0; k < n; ++k) {
        const long double x = 2.0L * k / (n - 1) - 1.0L;
        const long double expected = besselI0(beta * std::sqrt(1.0L - x * x)) / besselI0(beta);
        EXPECT_NEAR(w[k], static_cast<double>(expected), tolerance) << "n = " << n << ", k = " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, KaizerFormula,
    testing::Values(WindowCase{2, 0.0}, WindowCase{2, 5.65326}, WindowCase{3, 5.65326},
        WindowCase{8, 0.0}, WindowCase{8, 5.65326}, WindowCase{51, 5.65326},
        WindowCase{64, 5.65326}, WindowCase{101, 12.0}));

TEST(Kaizer, SinglePointAndEmptyWindows)
{
    for (double beta : {0.0, 5.65326}) {
        const CRealArray one = Kaizer(1, beta);
        ASSERT_EQ(one.GetSize(), 1);
        EXPECT_EQ(one[0], 1.0);
    }
    EXPECT_EQ(Kaizer(0, 5.65326).GetSize(), 0);
    EXPECT_EQ(Kaizer(-3, 5.65326).GetSize(), 0);
}

TEST(Kaizer, RejectsNegativeOrNonFiniteBeta)
{
    for (double beta : {-0.5, std::numeric_limits<double>::quiet_NaN(),
             std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Kaizer(8, beta), std::invalid_argument) << "beta = " << beta;
}

}  // namespace
