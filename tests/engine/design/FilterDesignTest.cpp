#include "FilterDesign.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <set>
#include <vector>

namespace {

// The DFT of x by its sum, in long double.
std::vector<std::complex<long double>> dft(const std::vector<long double>& x)
{
    const size_t m = x.size();
    std::vector<std::complex<long double>> X(m);
    for (size_t k = 0; k < m; ++k)
        for (size_t n = 0; n < m; ++n)
            X[k] += x[n] * std::polar(1.0L, -2.0L * 3.14159265358979323846L * static_cast<long double>(k * n % m) / static_cast<long double>(m));
    return X;
}

// I0 by its power series.
long double besselI0(long double x)
{
    long double term = 1.0L, sum = 1.0L;
    for (int k = 1; k < 200; ++k) {
        term *= (x / (2.0L * k)) * (x / (2.0L * k));
        sum += term;
    }
    return sum;
}

std::set<int> range(int from, int to)
{
    std::set<int> bins;
    for (int k = from; k <= to; ++k)
        bins.insert(k);
    return bins;
}

struct IdealCase {
    int type, n;
    double low, high;
    std::set<int> passBins;
};

}  // namespace

TEST(PassBandDesign, SamplesTheIdealResponseAtTheListedBins)
{
    std::set<int> bandStop = range(0, 63);
    for (int k : range(7, 12))
        bandStop.erase(k), bandStop.erase(64 - k);
    const IdealCase cases[] = {
        {LowPass, 31, 0.25, 0.5, [] { auto s = range(0, 7); auto t = range(24, 30); s.insert(t.begin(), t.end()); return s; }()},
        {HighPass, 31, 0.25, 0.5, range(8, 23)},
        {BandPass, 64, 0.1, 0.2, [] { auto s = range(7, 12); auto t = range(52, 57); s.insert(t.begin(), t.end()); return s; }()},
        {BandElimination, 64, 0.1, 0.2, bandStop},
        {LowPass, 8, 0.5, 0.5, range(0, 7)},
        {LowPass, 16, 0.0, 0.5, {0}},
        {HighPass, 16, 0.46, 0.5, {8}},
    };
    for (const IdealCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + ", N " + std::to_string(c.n));
        const CPassBandDesign design = DesignPassBand(c.type, c.n, c.low, c.high, 60.0);
        std::vector<long double> unshifted(static_cast<size_t>(c.n));
        for (int i = 0; i < c.n; ++i)
            unshifted[static_cast<size_t>(i)] = design.ideal[(i + c.n / 2) % c.n];
        const auto spectrum = dft(unshifted);
        for (int k = 0; k < c.n; ++k) {
            EXPECT_NEAR(static_cast<double>(spectrum[static_cast<size_t>(k)].real()), c.passBins.count(k) ? 1.0 : 0.0, 1e-12) << "bin " << k;
            EXPECT_NEAR(static_cast<double>(spectrum[static_cast<size_t>(k)].imag()), 0.0, 1e-12) << "bin " << k;
        }
    }
}

TEST(PassBandDesign, CentresTheImpulseAndWindowsItByKaisersFormula)
{
    const CPassBandDesign design = DesignPassBand(LowPass, 31, 0.25, 0.5, 60.0);
    EXPECT_EQ(std::max_element(design.ideal.data(), design.ideal.data() + 31) - design.ideal.data(), 15);
    const long double beta = 0.1102L * (60.0L - 8.7L);
    for (int k = 0; k < 31; ++k) {
        const long double x = 2.0L * k / 30.0L - 1.0L;
        const long double w = besselI0(beta * std::sqrt(1.0L - x * x)) / besselI0(beta);
        EXPECT_NEAR(design.coefficients[k], static_cast<double>(design.ideal[k] * w), 1e-15) << k;
    }
    // Cut-off 0.5 with even N: a single pulse at N/2, times the window's value there.
    const CPassBandDesign pulse = DesignPassBand(LowPass, 8, 0.5, 0.5, 60.0);
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(pulse.ideal[k], k == 4 ? 1.0 : 0.0, 1e-15) << k;
    const long double x4 = 2.0L * 4 / 7.0L - 1.0L;
    EXPECT_NEAR(pulse.coefficients[4], static_cast<double>(besselI0(beta * std::sqrt(1.0L - x4 * x4)) / besselI0(beta)), 1e-15);
}

TEST(PassBandDesign, KaiserBetaFollowsTheAttenuation)
{
    EXPECT_EQ(KaiserBeta(0.0), 0.0);
    EXPECT_EQ(KaiserBeta(21.0), 0.0);
    EXPECT_NEAR(KaiserBeta(50.0), 0.5842 * std::pow(29.0, 0.4) + 0.07886 * 29.0, 1e-15);
    EXPECT_NEAR(KaiserBeta(50.0), 4.5335, 1e-4);
    EXPECT_NEAR(KaiserBeta(60.0), 5.65326, 1e-12);
}

TEST(PassBandDesign, RefusesArgumentsOutsideTheirRanges)
{
    EXPECT_THROW(DesignPassBand(4, 31, 0.25, 0.5, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 0, 0.25, 0.5, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 31, 0.6, 0.5, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(BandPass, 31, 0.3, 0.2, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 31, 0.25, 0.5, -1.0), std::invalid_argument);
    EXPECT_NO_THROW(DesignPassBand(HighPass, 31, 0.3, 0.2, 60.0));  // high is not used
    // Whatever their source (a document file, say), values that are not finite or lie
    // beyond what the design can compute are refused before any bin is computed.
    const double nan = std::nan(""), inf = INFINITY;
    EXPECT_THROW(DesignPassBand(LowPass, 31, 0.25, nan, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(HighPass, 31, 0.25, -inf, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(BandPass, 31, nan, 0.3, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 31, 0.25, 0.5, nan), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 31, 0.25, 0.5, 1000.5), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(LowPass, 65536, 0.25, 0.5, 60.0), std::invalid_argument);
    // Pass bands that hold no bin: every coefficient would be 0.
    EXPECT_THROW(DesignPassBand(BandPass, 32, 0.2, 0.2, 60.0), std::invalid_argument);
    EXPECT_THROW(DesignPassBand(BandPass, 31, 0.2, 0.22, 60.0), std::invalid_argument);  // kL = kH = 6
    EXPECT_THROW(DesignPassBand(HighPass, 31, 0.49, 0.5, 60.0), std::invalid_argument);  // kL + 1 = N - kL
    EXPECT_NO_THROW(DesignPassBand(LowPass, 31, 0.25, 1e300, 1000.0));
}

struct EstimateCase {
    double ripple, attenuation, transition;
    int length;
};

TEST(LengthEstimate, MatchesKaisersFormulaOnTheWorkedExamples)
{
    const EstimateCase cases[] = {
        {0.1, 60, 0.05, 73}, {1, 40, 0.1, 23}, {3, 20, 0.1, 11}, {0.01, 50, 0.1, 41}, {0.5, 80, 0.02, 251},
    };
    for (const EstimateCase& c : cases) {
        const CLengthEstimate estimate = EstimateLength(c.ripple, c.attenuation, c.transition);
        EXPECT_TRUE(estimate.strError.empty());
        EXPECT_EQ(estimate.nLength, c.length) << c.ripple << " " << c.attenuation << " " << c.transition;
    }
}

TEST(LengthEstimate, RefusesLengthsThatAreNotFiniteOrTooLarge)
{
    const CLengthEstimate zeroRipple = EstimateLength(0.0, 60.0, 0.05);
    EXPECT_NE(zeroRipple.strError.find("0 dB"), std::string::npos) << zeroRipple.strError;
    const CLengthEstimate huge = EstimateLength(1.0, 1000.0, 0.000001);
    EXPECT_NE(huge.strError.find("65535"), std::string::npos) << huge.strError;
    // D / width just below 65535 still gives an odd length within the count field.
    EXPECT_EQ(EstimateLength(3.0, 20.0, 0.9222 / 65534.5).nLength, 65535);
}
