// The equiripple design, checked against facts computed here: the amplitude of the
// coefficients summed by its definition in long double, Chebyshev polynomials, and the
// coefficients of an independent implementation (tests/data/equiripple/generate.py).
#include "Barycentric.h"
#include "EquirippleCheck.h"
#include "ReferenceSelection.h"
#include "EquirippleDesign.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

using equiripple_check::Request;

namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;

// A(f) = sum h[n] cos(2 pi f (n - (N - 1) / 2)), the cosines by rotation in long double.
double amplitude(const CRealArray& h, double f)
{
    const int n = h.GetSize();
    const std::complex<long double> step = std::polar(1.0L, 2.0L * kPi * f);
    std::complex<long double> rotation = std::polar(1.0L, -2.0L * kPi * f * (n - 1) / 2.0L);
    long double sum = 0.0L;
    for (int i = 0; i < n; ++i, rotation *= step)
        sum += h[i] * rotation.real();
    return static_cast<double>(sum);
}

struct CBandCheck {
    double lo, hi;
    bool pass;
};

std::vector<CBandCheck> bandsOf(const CEquirippleRequest& r)
{
    std::vector<double> e = r.edges;
    e.insert(e.begin(), 0.0);
    e.push_back(0.5);
    const bool lowPasses = r.nType == LowPass || r.nType == BandElimination;
    std::vector<CBandCheck> bands;
    for (size_t b = 0; 2 * b + 1 < e.size(); ++b)
        bands.push_back({e[2 * b], e[2 * b + 1], (b % 2 == 0) == lowPasses});
    return bands;
}

// The weight of the error at f: 1 in the pass bands, pass / stop deviation in the stop bands.
double weightAt(const CEquirippleRequest& r, double f)
{
    for (const CBandCheck& b : bandsOf(r))
        if (f >= b.lo && f <= b.hi)
            return b.pass ? 1.0 : PassDeviation(r.dRipple) / StopDeviation(r.dAttenuation);
    ADD_FAILURE() << "frequency " << f << " outside the bands";
    return 0.0;
}

double weightedError(const CEquirippleRequest& r, const CRealArray& h, double f)
{
    const double w = weightAt(r, f);
    return w == 1.0 ? 1.0 - amplitude(h, f) : -w * amplitude(h, f);
}

// The largest deviations in pass and stop bands, on `points` frequencies per band.
std::pair<double, double> measuredDeviations(const CEquirippleRequest& r, const CRealArray& h, int points)
{
    double pass = 0.0, stop = 0.0;
    for (const CBandCheck& b : bandsOf(r)) {
        for (int i = 0; i <= points; ++i) {
            const double a = amplitude(h, b.lo + (b.hi - b.lo) * i / points);
            double& largest = b.pass ? pass : stop;
            largest = std::max(largest, std::abs(b.pass ? a - 1.0 : a));
        }
    }
    return {pass, stop};
}

// The alternation theorem on the result: r + 1 extremal frequencies, weighted errors
// equal to a relative `tolerance` or to the rounding of double coefficients there
// (sqrt(N) units of their sum of sizes, or `floor`, times the weight), whichever is more,
// and signs alternating wherever that rounding lies below the error.
void expectAlternation(const CEquirippleRequest& r, const CEquirippleDesign& d, double tolerance, double floor = 0.0)
{
    const int n = r.nLength;
    ASSERT_EQ(d.extremalFrequencies.size(), static_cast<size_t>(n % 2 ? (n + 1) / 2 + 1 : n / 2 + 1));
    double sizes = 0.0;
    for (int i = 0; i < n; ++i)
        sizes += std::abs(d.coefficients[i]);
    std::vector<double> e, rounding;
    for (double f : d.extremalFrequencies) {
        e.push_back(weightedError(r, d.coefficients, f));
        rounding.push_back(std::max(4.4e-16 * std::sqrt(n) * sizes, floor) * weightAt(r, f));
    }
    const double level = std::abs(e[0]);
    for (size_t k = 0; k < e.size(); ++k) {
        EXPECT_NEAR(std::abs(e[k]), level, std::max(tolerance * level, rounding[k]))
            << "extremum " << k << " at " << d.extremalFrequencies[k];
        if (k > 0 && std::max(rounding[k], rounding[k - 1]) < level) {
            EXPECT_LT(e[k] * e[k - 1], 0.0) << "signs of extrema " << k - 1 << " and " << k;
        }
    }
}

}  // namespace

TEST(EquirippleDesign, PassDeviationIsTheRippleAsAToleranceAboutOneDownToTheSmallestRipples)
{
    // (10^(R/20) - 1) / (10^(R/20) + 1), and R ln(10) / 40 where R is too small for the power.
    for (double ripple : {0.1, 1.0, 20.0}) {
        const long double p = std::pow(10.0L, ripple / 20.0L), expected = (p - 1) / (p + 1);
        EXPECT_NEAR(PassDeviation(ripple), static_cast<double>(expected), 1e-15 * static_cast<double>(expected)) << ripple;
    }
    for (double ripple : {1e-12, 5e-111, 1e-300})
        EXPECT_NEAR(PassDeviation(ripple), ripple * std::log(10.0) / 40.0, 1e-12 * ripple) << ripple;
}

TEST(EquirippleDesign, BarycentricFormStaysExactForThousandsOfClusteredNodes)
{
    // T_m through m + 1 nodes clustered at both ends: the products of node distances
    // reach 2^-2000, far outside the range of a double.
    const int m = 2000;
    std::vector<double> x, y;
    for (int k = 0; k <= m; ++k) {
        x.push_back(std::cos(kPi * k / m));
        y.push_back(std::cos(m * std::acos(x.back())));
    }
    const equiripple::CBarycentricPolynomial t(x, y);
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        const double at = std::uniform_real_distribution<double>(-1.0, 1.0)(random);
        EXPECT_NEAR(t(at), std::cos(m * std::acos(at)), 1e-11) << at;
    }
    EXPECT_EQ(t(x[17]), y[17]);
}

TEST(EquirippleDesign, NextReferenceDropsTheSmallestPeaksKeepingTheSignsAlternating)
{
    // Extrema of the weighted error in one band at f = 1, 2, 3 ..., more of them than the
    // reference has points.
    const struct {
        std::vector<double> e;
        size_t count;
        std::vector<double> next;
    } cases[] = {
        // The smallest, 0.5, lies inside: it goes with the smaller of its neighbours, -0.7.
        {{1.0, -1.1, 0.5, -0.7, 1.2, -0.9}, 4, {1, 2, 5, 6}},
        // The smallest, 0.3, lies at an end and goes alone; of the four left, the smaller end.
        {{0.3, -1.0, 0.8, -0.9, 1.1}, 3, {3, 4, 5}},
        // Of a run of one sign the largest stays.
        {{0.5, 0.7, -1.0, 0.9}, 3, {2, 3, 4}},
    };
    for (const auto& c : cases) {
        std::vector<equiripple::CExtremum> candidates;
        for (size_t i = 0; i < c.e.size(); ++i)
            candidates.push_back({static_cast<double>(i + 1), 0, c.e[i], 0.0, 1.0});
        std::vector<double> next;
        for (const equiripple::CExtremum& x : equiripple::NextReference(candidates, c.count))
            next.push_back(x.f);
        EXPECT_EQ(next, c.next);
    }
}

TEST(EquirippleDesign, ResultSatisfiesTheAlternationTheoremForEveryTypeAndParity)
{
    const CEquirippleRequest cases[] = {
        Request(LowPass, 31, {0.2, 0.25}, 0.1, 60), Request(LowPass, 48, {0.1, 0.15}, 1.0, 50),
        Request(HighPass, 45, {0.3, 0.35}, 0.5, 60), Request(BandPass, 60, {0.1, 0.15, 0.3, 0.35}, 0.5, 40),
        Request(BandPass, 73, {0.05, 0.1, 0.2, 0.22}, 0.1, 70), Request(BandElimination, 81, {0.1, 0.15, 0.3, 0.35}, 0.1, 60),
        Request(LowPass, 1, {0.2, 0.3}, 1.0, 20), Request(LowPass, 2, {0.1, 0.3}, 1.0, 20),
    };
    for (const CEquirippleRequest& r : cases) {
        SCOPED_TRACE("type " + std::to_string(r.nType) + ", N " + std::to_string(r.nLength));
        const CEquirippleDesign d = DesignEquiripple(r);
        expectAlternation(r, d, 1e-6);
        EXPECT_LE(d.dSpread, 1e-6);
        for (int i = 0; i < r.nLength; ++i)
            EXPECT_EQ(d.coefficients[i], d.coefficients[r.nLength - 1 - i]);
        // Between grid points the error may rise a little above the level.
        const auto [pass, stop] = measuredDeviations(r, d.coefficients, 40 * r.nLength);
        EXPECT_LE(pass, 1.04 * d.dPassDeviation);
        EXPECT_LE(stop, 1.04 * d.dStopDeviation);
    }
}

TEST(EquirippleDesign, MeetsTheRequestAtTheEstimatedLength)
{
    const CEquirippleRequest cases[] = {
        Request(LowPass, 0, {0.2, 0.25}, 0.1, 60), Request(LowPass, 0, {0.02, 0.05}, 2.0, 100),
        Request(HighPass, 0, {0.4, 0.42}, 0.01, 40), Request(BandPass, 0, {0.1, 0.12, 0.2, 0.25}, 0.5, 80),
        Request(BandElimination, 0, {0.05, 0.1, 0.4, 0.45}, 3.0, 30), Request(LowPass, 0, {0.45, 0.46}, 1.5, 120),
    };
    for (CEquirippleRequest r : cases) {
        const CLengthEstimate estimate = EstimateEquirippleLength(r);
        ASSERT_TRUE(estimate.strError.empty());
        r.nLength = estimate.nLength;
        SCOPED_TRACE("type " + std::to_string(r.nType) + ", N " + std::to_string(r.nLength));
        const auto [pass, stop] = measuredDeviations(r, DesignEquiripple(r).coefficients, 40 * r.nLength);
        EXPECT_LE(pass, PassDeviation(r.dRipple));
        EXPECT_LE(stop, StopDeviation(r.dAttenuation));
    }
    EXPECT_EQ(EstimateEquirippleLength(Request(HighPass, 0, {0.3, 0.35}, 0.1, 60)).nLength % 2, 1);
    EXPECT_NE(EstimateEquirippleLength(Request(LowPass, 0, {0.2, 0.200001}, 0.01, 200)).strError.find("65535"), std::string::npos);
}

TEST(EquirippleDesign, AgreesWithAnIndependentImplementation)
{
    const std::map<std::string, int> types = {{"lowpass", LowPass}, {"highpass", HighPass}, {"bandpass", BandPass}, {"bandstop", BandElimination}};
    for (const char* name : {"lowpass31", "lowpass32", "highpass51", "bandpass64", "bandstop81", "lowpass301"}) {
        SCOPED_TRACE(name);
        std::ifstream file(std::string(EQUIRIPPLE_DATA) + "/" + name + ".txt");
        std::string header, type;
        ASSERT_TRUE(std::getline(file, header));
        std::istringstream fields(header);
        CEquirippleRequest r;
        fields >> type >> r.nLength >> r.dRipple >> r.dAttenuation;
        r.nType = types.at(type);
        for (double edge; fields >> edge;)
            r.edges.push_back(edge);
        const CEquirippleDesign d = DesignEquiripple(r);
        // The two grids differ, and with them the coefficients, by a few percent of the ripple.
        int i = 0;
        for (double reference; file >> reference; ++i)
            EXPECT_NEAR(d.coefficients[i], reference, 0.05 * d.dPassDeviation) << i;
        EXPECT_EQ(i, r.nLength);
    }
}

// Weights from 0.1 dB and 200 dB. At 2001 and 4095 taps the stop bands lie at about -380
// and -330 dB, beyond what double coefficients hold (their stop bands reach about
// -260 dB); the pass-band ripple of 2001 taps, 8e-12, is resolved to a few parts in a
// thousand in the design and to a few percent in its coefficients.
struct CLongDesign {
    int n;
    double pass, stop, tolerance, floor;
};

void PrintTo(const CLongDesign& design, std::ostream* out) { *out << design.n << " taps"; }

class LongEquirippleDesign : public ::testing::TestWithParam<CLongDesign> {};

TEST_P(LongEquirippleDesign, ConvergesWhereCommonImplementationsGiveUp)
{
    const CLongDesign& c = GetParam();
    const CEquirippleRequest r = Request(LowPass, c.n, {c.pass, c.stop}, 0.1, 200);
    const CEquirippleDesign d = DesignEquiripple(r);
    // Stop bands below the rounding of double coefficients: rounding decides there.
    EXPECT_EQ(d.bAtRoundingFloor, c.floor > 0.0);
    if (!d.bAtRoundingFloor) {
        EXPECT_LE(d.dSpread, c.tolerance / 10);
    }
    expectAlternation(r, d, c.tolerance, c.floor);
    const auto [pass, stop] = measuredDeviations(r, d.coefficients, 2 * c.n);
    EXPECT_LE(pass, PassDeviation(0.1));
    EXPECT_LE(stop, 1e-10);
}

INSTANTIATE_TEST_SUITE_P(RefusedElsewhere, LongEquirippleDesign,
    ::testing::Values(CLongDesign{501, 0.2, 0.22, 1e-6, 0.0}, CLongDesign{1001, 0.2, 0.21, 1e-6, 0.0},
        CLongDesign{2001, 0.2, 0.21, 0.1, 1e-12}, CLongDesign{4095, 0.2, 0.204, 1e-6, 1e-12}),
    [](const ::testing::TestParamInfo<CLongDesign>& info) { return "Length" + std::to_string(info.param.n); });

TEST(EquirippleDesign, RefusesWhatTheLengthCannotGiveAndSaysWhatWould)
{
    try {
        DesignEquiripple(Request(HighPass, 50, {0.2, 0.25}, 0.1, 60));
        ADD_FAILURE() << "an even high pass was designed";
    } catch (const CEquirippleRefusal& e) {
        EXPECT_NE(std::string(e.what()).find("Use an odd length, such as 51."), std::string::npos) << e.what();
    }
    EXPECT_THROW(DesignEquiripple(Request(BandElimination, 64, {0.1, 0.15, 0.3, 0.35}, 0.1, 60)), CEquirippleRefusal);
    EXPECT_THROW(DesignEquiripple(Request(LowPass, 31, {0.25, 0.2}, 0.1, 60)), std::invalid_argument);
    EXPECT_THROW(DesignEquiripple(Request(BandPass, 31, {0.1, 0.2}, 0.1, 60)), std::invalid_argument);
    EXPECT_THROW(DesignEquiripple(Request(LowPass, 4097, {0.1, 0.2}, 0.1, 60)), std::invalid_argument);
}
