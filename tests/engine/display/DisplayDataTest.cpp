#include "DisplayData.h"
#include "FilterDesign.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <complex>

namespace {

// H(k / L) of h by its sum.
std::complex<double> responseAt(const CRealArray& h, int k, int l)
{
    std::complex<double> sum;
    for (int n = 0; n < h.GetSize(); ++n)
        sum += h[n] * std::polar(1.0, -2.0 * M_PI * k * n / l);
    return sum;
}

CComplexArray responseOf(std::initializer_list<CComplex> values)
{
    CComplexArray a(static_cast<int>(values.size()));
    int i = 0;
    for (const CComplex& v : values)
        a[i++] = v;
    return a;
}

}  // namespace

TEST(DisplayData, ResponseIsTheZeroPaddedDftAndDisplaysHaveTheirSizes)
{
    const CRealArray h = DesignPassBand(LowPass, 31, 0.25, 0.5, 60.0).coefficients;
    const CComplexArray response = FrequencyResponse(h);
    ASSERT_EQ(response.GetSize(), 124);
    for (int k : {0, 1, 30, 61, 62, 123}) {
        EXPECT_NEAR(response[k].re, responseAt(h, k, 124).real(), 1e-14) << k;
        EXPECT_NEAR(response[k].im, responseAt(h, k, 124).imag(), 1e-14) << k;
    }
    EXPECT_EQ(AmplitudeDisplay(response, false).GetSize(), 62);
    EXPECT_EQ(PhaseDisplay(response).GetSize(), 62);
    EXPECT_EQ(RealDisplay(response).GetSize(), 124);
    EXPECT_EQ(ImagDisplay(response).GetSize(), 124);
    EXPECT_EQ(ImpulseDisplay(h).GetSize(), 31);
}

TEST(DisplayData, AmplitudeInDecibelIsNearZeroInThePassBand)
{
    const CComplexArray response = FrequencyResponse(DesignPassBand(LowPass, 31, 0.25, 0.5, 60.0).coefficients);
    const CRealArray linear = AmplitudeDisplay(response, false);
    const CRealArray db = AmplitudeDisplay(response, true);
    for (int k = 0; k < 62; ++k)
        EXPECT_NEAR(db[k], 20.0 * std::log10(linear[k]), 1e-12);
    for (int k = 0; k < 20; ++k)  // up to 0.16 of the sampling frequency
        EXPECT_NEAR(db[k], 0.0, 0.05) << k;
    EXPECT_LT(db.GetMin(), -50.0);
}

TEST(DisplayData, PhaseOfALinearPhaseFilterFallsSteadilyThroughThePassBand)
{
    const CComplexArray response = FrequencyResponse(DesignPassBand(LowPass, 31, 0.25, 0.5, 60.0).coefficients);
    const CRealArray phase = PhaseDisplay(response);
    // Delay 15 samples: the phase falls by 2 pi 15 / 124 per bin, without jumps.
    for (int k = 1; k < 25; ++k)
        EXPECT_NEAR(phase[k] - phase[k - 1], -2.0 * M_PI * 15.0 / 124.0, 1e-9) << k;
}

TEST(DisplayData, UndefinedValuesGetTheirDocumentedFiniteForm)
{
    // Bins: a zero, a purely imaginary value of each sign, a zero again, a real value.
    const CComplexArray response = responseOf({{0, 0}, {0, 2}, {0, -2}, {0, 0}, {1, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}});
    const CRealArray phase = PhaseDisplay(response);
    EXPECT_EQ(phase[0], 0.0);
    // +pi/2 after 0 is a step just above the threshold 1.570796326794895: moved down by
    // 3.14159265358979; the following -pi/2 is a step of -pi and moves back up.
    EXPECT_NEAR(phase[1], M_PI / 2 - 3.14159265358979, 1e-15);
    EXPECT_NEAR(phase[2], -M_PI / 2, 1e-15);
    EXPECT_EQ(phase[3], phase[2]);
    const CRealArray db = AmplitudeDisplay(response, true);
    EXPECT_EQ(db[0], kZeroMagnitudeDb);
    EXPECT_NEAR(db[1], 20.0 * std::log10(2.0), 1e-15);
    CRealArray huge(2);
    huge[0] = 1e308, huge[1] = 1e308;
    for (const CRealArray& display : {RealDisplay(FrequencyResponse(huge)), AmplitudeDisplay(FrequencyResponse(huge), true)})
        for (int k = 0; k < display.GetSize(); ++k)
            EXPECT_TRUE(std::isfinite(display[k])) << k;
}

namespace {

CRealArray arrayOf(std::initializer_list<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

}  // namespace

TEST(StepDisplay, RunsTheSumOfTheCoefficientsUpToTheDcGain)
{
    const CRealArray h = DesignPassBand(LowPass, 31, 0.2, 0.5, 60.0).coefficients;
    const CRealArray step = StepDisplay(h);
    ASSERT_EQ(step.GetSize(), 31);
    EXPECT_EQ(step[0], h[0]);
    EXPECT_NEAR(step[30], FrequencyResponse(h)[0].re, 1e-14);
    const CRealArray huge = StepDisplay(arrayOf({1e308, 1e308, -1.0}));
    EXPECT_EQ(huge[1], DBL_MAX);  // an overflowing sum stays finite
}
