// The group delay: constant for linear phase, the delay of each zero for others, checked
// against the slope of the phase computed on its own; undefined points at the zeros.
#include "DisplayData.h"
#include "EquirippleDesign.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "GroupDelay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

namespace {

CRealArray arrayOf(std::initializer_list<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

// The group delay of the zero at radius r and angle theta at angular frequency w, in samples.
double zeroDelay(double r, double theta, double w)
{
    const double c = std::cos(w - theta);
    return (r * r - r * c) / (1.0 - 2.0 * r * c + r * r);
}

// H(e^jw) of h by its sum, in long double.
std::complex<long double> responseAt(const CRealArray& h, long double w)
{
    std::complex<long double> sum;
    for (int n = 0; n < h.GetSize(); ++n)
        sum += static_cast<long double>(h[n]) * std::polar(1.0L, -w * n);
    return sum;
}

// The delay as the negative slope of the phase, by central differences of step dw: the
// phase difference is taken as the argument of the quotient, which needs no unwrapping.
double phaseSlopeDelay(const CRealArray& h, double w, double dw)
{
    return static_cast<double>(-std::arg(responseAt(h, w + dw) / responseAt(h, w - dw)) / (2.0L * dw));
}

size_t undefinedCount(const CGridValues& grid) { return static_cast<size_t>(std::count(grid.undefined.begin(), grid.undefined.end(), true)); }

}  // namespace

TEST(GroupDelay, OfSymmetricFiltersIsHalfTheLengthWhereverItIsDefined)
{
    CEquirippleRequest request;
    request.nLength = 61;
    request.edges = {0.2, 0.25};
    const CRealArray designs[] = {DesignPassBand(LowPass, 101, 0.2, 0.5, 60.0).coefficients,
        DesignPassBand(BandPass, 63, 0.1, 0.3, 50.0).coefficients, DesignPassBand(LowPass, 31, 0.25, 0.5, 60.0).coefficients,
        DesignEquiripple(request).coefficients};
    for (const CRealArray& h : designs) {
        const int n = h.GetSize();
        const CGridValues delay = GroupDelayDisplay(h);
        ASSERT_EQ(delay.values.GetSize(), 2 * n);
        ASSERT_EQ(delay.undefined.size(), static_cast<size_t>(2 * n));
        // No spike of rounding noise: every value, the filled ones too, is the constant delay.
        for (int k = 0; k < delay.values.GetSize(); ++k)
            EXPECT_NEAR(delay.values[k], (n - 1) / 2.0, 1e-6) << n << " " << k;
        EXPECT_LT(undefinedCount(delay), static_cast<size_t>(n / 4)) << n;  // a few points at the zeros at most
    }
}

TEST(GroupDelay, MinimumPhaseFollowsTheZerosAndLiesBelowTheLinearPhaseDelay)
{
    // Zeros 2 and 1/2 give a symmetric filter of delay 1; mirrored to 1/2 twice, minimum phase.
    const CGridValues linear = GroupDelay(arrayOf({1.0, -2.5, 1.0}), 64, 32);
    const CGridValues minimum = GroupDelay(arrayOf({1.0, -1.0, 0.25}), 64, 32);
    EXPECT_EQ(undefinedCount(linear) + undefinedCount(minimum), 0u);
    for (int k = 0; k < 32; ++k) {
        const double w = 2.0 * M_PI * k / 64;
        EXPECT_NEAR(linear.values[k], 1.0, 1e-12) << k;
        EXPECT_NEAR(minimum.values[k], 2.0 * zeroDelay(0.5, 0.0, w), 1e-12) << k;
        EXPECT_LT(minimum.values[k], linear.values[k]) << k;
    }
}

TEST(GroupDelay, AgreesWithTheSlopeOfThePhaseAwayFromTheZeros)
{
    // Asymmetric filters: a minimum-phase-like decay, and one with zeros close to the circle.
    const CRealArray filters[] = {arrayOf({1.0, 0.9, -0.3, 0.45, 0.2, -0.1, 0.05}),
        arrayOf({0.3, -0.2, 1.0, 0.7, -0.05, 0.4, -0.6, 0.25, 0.1})};
    for (const CRealArray& h : filters) {
        const int length = 256;
        const CGridResponse grid = GridResponse(h, length);
        for (int k = 0; k <= length / 2; ++k) {
            const double w = 2.0 * M_PI * k / length;
            if (grid.magnitude[k] < 1e-3 * grid.magnitude.GetMax() || k == 0 || k == length / 2)
                continue;  // the differences straddle 0 and half the sampling frequency there
            ASSERT_FALSE(grid.delay.undefined[static_cast<size_t>(k)]) << k;
            EXPECT_NEAR(grid.delay.values[k], phaseSlopeDelay(h, w, 1e-5), 1e-5 * (1.0 + std::fabs(grid.delay.values[k]))) << k;
        }
    }
}

TEST(GroupDelay, IsUndefinedAtZerosOfTheResponseAndHoldsANeighbourThere)
{
    // 1 + z^-2 vanishes exactly at a quarter of the sampling frequency, point 3 of 12.
    const CGridValues exact = GroupDelayDisplay(arrayOf({1.0, 0.0, 1.0}));
    ASSERT_EQ(exact.values.GetSize(), 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(exact.undefined[static_cast<size_t>(k)], k == 3) << k;
        EXPECT_DOUBLE_EQ(exact.values[k], 1.0) << k;
    }
    // A zero at 0.1 of the sampling frequency, which rounding leaves a tiny response: the
    // quotient there is noise, and undefined.
    const CGridValues rounded = GroupDelay(arrayOf({1.0, -2.0 * std::cos(2.0 * M_PI * 0.1), 1.0}), 20, 11);
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(rounded.undefined[static_cast<size_t>(k)], k == 2) << k;
        EXPECT_NEAR(rounded.values[k], 1.0, 1e-12) << k;
    }
    // Leading undefined points take the first defined value; none defined gives zeros.
    const CGridValues leading = GroupDelay(arrayOf({1.0, -1.0}), 4, 3);
    EXPECT_TRUE(leading.undefined[0]);
    EXPECT_DOUBLE_EQ(leading.values[0], 0.5);
    const CGridValues none = GroupDelayDisplay(arrayOf({0.0, 0.0}));
    EXPECT_EQ(undefinedCount(none), 4u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(none.values[k], 0.0);
    EXPECT_EQ(GroupDelayDisplay(CRealArray(0)).values.GetSize(), 0);
    EXPECT_THROW(GroupDelay(arrayOf({1.0, 1.0}), 1, 1), std::invalid_argument);
    EXPECT_THROW(GroupDelay(arrayOf({1.0, 1.0}), 4, 4), std::invalid_argument);
}

TEST(DisplayValueRange, WidensOnlyTheAddedDisplaysAboutTheirMiddle)
{
    const CRealArray nearlyConstant = arrayOf({50.0 - 1e-9, 50.0, 50.0 + 2e-9});
    for (int display : {0, 1, 2, 3, 4}) {  // the described displays: exactly their values
        const auto [lo, hi] = DisplayValueRange(display, nearlyConstant);
        EXPECT_EQ(lo, 50.0 - 1e-9) << display;
        EXPECT_EQ(hi, 50.0 + 2e-9) << display;
    }
    const auto [lo, hi] = DisplayValueRange(5, nearlyConstant);
    EXPECT_NEAR(lo, 47.5, 1e-8);
    EXPECT_NEAR(hi, 52.5, 1e-8);
    const CRealArray rising = arrayOf({0.0, 0.4, 1.0});  // a span wider than a tenth stays
    EXPECT_EQ(DisplayValueRange(6, rising), std::make_pair(0.0, 1.0));
    const CRealArray zeros = arrayOf({0.0, 0.0});
    EXPECT_EQ(DisplayValueRange(5, zeros), std::make_pair(0.0, 0.0));
    const CRealArray negative = arrayOf({-30.0, -30.0});
    EXPECT_EQ(DisplayValueRange(5, negative), std::make_pair(-31.5, -28.5));
}
