// Measurements against figures worked out apart from the measuring code: closed forms of
// short filters and moving averages, and Kaiser's formula for textbook Kaiser designs.
#include "FilterMeasurement.h"
#include "MeasurementReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

CRealArray arrayOf(std::vector<double> values)
{
    CRealArray a(static_cast<int>(values.size()));
    std::copy(values.begin(), values.end(), a.data());
    return a;
}

// I0 by its power series.
double besselI0(double x)
{
    double term = 1.0, sum = 1.0;
    for (int k = 1; k < 300; ++k) {
        term *= (x / (2.0 * k)) * (x / (2.0 * k));
        sum += term;
    }
    return sum;
}

// The textbook Kaiser low pass: the ideal sinc of cut-off fc centred at (n - 1) / 2 times
// the Kaiser window whose beta Kaiser gives for a dB.
CRealArray textbookKaiser(int n, double fc, double a)
{
    const double beta = a > 50 ? 0.1102 * (a - 8.7) : a > 21 ? 0.5842 * std::pow(a - 21, 0.4) + 0.07886 * (a - 21) : 0.0;
    CRealArray h(n);
    for (int i = 0; i < n; ++i) {
        const double t = i - (n - 1) / 2.0, r = 2.0 * i / (n - 1) - 1.0;
        const double ideal = t == 0 ? 2 * fc : std::sin(2 * M_PI * fc * t) / (M_PI * t);
        h[i] = ideal * besselI0(beta * std::sqrt(1 - r * r)) / besselI0(beta);
    }
    return h;
}

double kaiserWidth(double a, int n) { return (a > 21 ? (a - 7.95) / 14.36 : 0.9222) / (n - 1); }

CRequirements lowPass(double passEdge, double stopEdge, double ripple, double attenuation)
{
    return {LowPass, {passEdge, stopEdge}, ripple, attenuation};
}

double db(double v) { return 20 * std::log10(v); }

const CReportLine& lineNamed(const std::vector<CReportLine>& lines, const std::string& name)
{
    return *std::find_if(lines.begin(), lines.end(), [&](const CReportLine& l) { return l.strName == name; });
}

}  // namespace

TEST(Measurement, TwoTapFiltersHaveTheEdgesGainsAndDelayOfTheirClosedForms)
{
    const double l3 = std::pow(10, -3 / 20.0), l6 = std::pow(10, -6 / 20.0);
    const struct {
        std::vector<double> h;
        double edge3, edge6, dc, absSum, delayMin, delayMax;
        int symmetry;
    } cases[] = {
        // |H| = cos(pi f) and sin(pi f); 1 + z^-1 / 2 has |H|^2 = 5/4 + cos w, largest 3/2
        // at DC, and the group delay of its zero at -1/2, 1/3 at DC falling with frequency.
        {{0.5, 0.5}, std::acos(l3) / M_PI, std::acos(l6) / M_PI, 1.0, 1.0, 0.5, 0.5, Symmetric},
        {{0.5, -0.5}, std::asin(l3) / M_PI, std::asin(l6) / M_PI, 0.0, 1.0, 0.5, 0.5, Antisymmetric},
        {{1.0, 0.5}, std::acos(2.25 * l3 * l3 - 1.25) / (2 * M_PI), std::acos(2.25 * l6 * l6 - 1.25) / (2 * M_PI), 1.5,
            1.5, 0.0, 1.0 / 3, Asymmetric},
    };
    for (const auto& c : cases) {
        const CFilterMeasurement m = MeasureFilter(arrayOf(c.h), std::nullopt);
        ASSERT_EQ(m.edges3dB.size(), 1u);
        ASSERT_EQ(m.edges6dB.size(), 1u);
        EXPECT_NEAR(m.edges3dB[0], c.edge3, 1e-7) << c.h[1];
        EXPECT_NEAR(m.edges6dB[0], c.edge6, 1e-7) << c.h[1];
        EXPECT_DOUBLE_EQ(m.dDcGain, c.dc);
        EXPECT_DOUBLE_EQ(m.dAbsSum, c.absSum);
        EXPECT_EQ(m.nSymmetry, c.symmetry);
        EXPECT_NEAR(m.dDelayMax, c.delayMax, 1e-12);
        EXPECT_FALSE(m.passRipple || m.stopLargest || m.MeetsRequirements());
        EXPECT_NEAR(m.peak.dDb, db(c.h[0] + c.h[1] > 0 ? std::fabs(c.h[0] + c.h[1]) : 1.0), 1e-9);
    }
    // The lowest delay of 1 + z^-1 / 2 within 3 dB, at the -3 dB edge: that of its zero.
    const double w = 2 * M_PI * cases[2].edge3, c = std::cos(w - M_PI);
    const CFilterMeasurement m = MeasureFilter(arrayOf(cases[2].h), std::nullopt);
    EXPECT_NEAR(m.dDelayMin, (0.25 - 0.5 * c) / (1.25 - c), 2e-3);
}

TEST(Measurement, SymmetryTakesInTheMiddleTapAndOnlyLinearPhaseHasAConstantDelay)
{
    const struct {
        std::vector<double> h;
        int symmetry;
        double delayMin, delayMax;
    } cases[] = {
        {{1, 5, 1}, Symmetric, 1.0, 1.0},
        {{1, 0, -1}, Antisymmetric, 1.0, 1.0},
        // H = e^-jw (5 + 2j sin w): |H|^2 = 25 + 4 sin^2 w stays within 3 dB everywhere, and
        // the delay 1 - 10 cos w / (25 + 4 sin^2 w) runs from 0.6 at DC to 1.4 at half the
        // sampling frequency. An antisymmetric filter needs a zero middle tap.
        {{1, 5, -1}, Asymmetric, 0.6, 1.4},
    };
    for (const auto& c : cases) {
        const CFilterMeasurement m = MeasureFilter(arrayOf(c.h), std::nullopt);
        EXPECT_EQ(m.nSymmetry, c.symmetry) << c.h[1] << " " << c.h[2];
        EXPECT_NEAR(m.dDelayMin, c.delayMin, 1e-9) << c.h[1] << " " << c.h[2];
        EXPECT_NEAR(m.dDelayMax, c.delayMax, 1e-9) << c.h[1] << " " << c.h[2];
    }
}

TEST(Measurement, MovingAverageExtremesAreThoseOfItsClosedFormBetweenGridPoints)
{
    // 33 taps of 1/33: |H(f)| = |sin(33 pi f) / (33 sin(pi f))|. Its first side lobe peaks
    // between the points of the measurement grid; the edges lie off the grid too.
    const int n = 33;
    const double passEdge = 0.007, stopEdge = 0.0411;
    const CFilterMeasurement m = MeasureFilter(arrayOf(std::vector<double>(n, 1.0 / n)), lowPass(passEdge, stopEdge, 0.1, 21.0));
    const auto a = [n](double f) { return f == 0 ? 1.0 : std::fabs(std::sin(n * M_PI * f) / (n * std::sin(M_PI * f))); };
    double stopMax = 0.0, where = 0.0;
    for (int k = 0; k <= 1 << 22; ++k) {
        const double f = stopEdge + (0.5 - stopEdge) * k / double(1 << 22);
        if (a(f) > stopMax)
            std::tie(stopMax, where) = std::make_pair(a(f), f);
    }
    EXPECT_NEAR(m.passSmallest->dDb, db(a(passEdge)), 1e-9);  // the pass band falls to its edge
    EXPECT_EQ(m.passSmallest->dFrequency, passEdge);
    EXPECT_NEAR(m.passLargest->dDb, 0.0, 1e-12);
    EXPECT_NEAR(m.stopLargest->dDb, db(stopMax), 1e-7);
    EXPECT_NEAR(m.stopLargest->dFrequency, where, 1e-6);
    EXPECT_NEAR(-m.stopLargest->dDb, 13.2, 0.1);  // the first side lobe of a moving average
    EXPECT_NEAR(m.stopExcess->dDb, 21.0 + m.stopLargest->dDb, 1e-12);
    EXPECT_TRUE(m.StopMissed());
    EXPECT_FALSE(m.MeetsRequirements());
}

TEST(Measurement, KaiserDesignsReachTheAttenuationAndTransitionOfKaisersFormula)
{
    for (int n : {61, 101, 201}) {
        for (double band : {0.1, 0.25}) {
            const double fc = (std::trunc(band * n) + 0.5) / n;
            for (double a : {21.0, 30.0, 40.0, 50.0, 60.0, 80.0, 100.0}) {
                const double w = kaiserWidth(a, n), deviation = std::pow(10, -a / 20);
                const double ripple = db((1 + deviation) / (1 - deviation));
                const CFilterMeasurement m = MeasureFilter(textbookKaiser(n, fc, a), lowPass(fc - w / 2, fc + w / 2, ripple, a));
                SCOPED_TRACE(testing::Message() << n << " " << fc << " " << a);
                EXPECT_NEAR(-m.stopLargest->dDb, a, 1.5);
                ASSERT_EQ(m.transitionWidths.size(), 1u);
                ASSERT_TRUE(m.transitionWidths[0]);
                EXPECT_NEAR(*m.transitionWidths[0] / w, 1.0, 0.07);
                EXPECT_EQ(m.nSymmetry, Symmetric);
                EXPECT_EQ(m.dDelayMin, (n - 1) / 2.0);
            }
        }
    }
}

TEST(MeasurementReport, ListsTheRequirementsAndAVerdictForEachFigure)
{
    const CRealArray h = textbookKaiser(61, 15.5 / 61, 30.0);
    const std::vector<CReportLine> unknown = MeasurementReport(MeasureFilter(h, std::nullopt), 0.0);
    for (const char* name : {"pass-band ripple", "pass-band deviation", "stop-band attenuation", "transition width"})
        EXPECT_EQ(lineNamed(unknown, name).strValue, "unknown: the filter has no requirements") << name;
    EXPECT_EQ(lineNamed(unknown, "design").strValue.rfind("not designed here", 0), 0u);
    EXPECT_EQ(lineNamed(unknown, "symmetric").strValue, "yes (linear phase)");

    const CFilterMeasurement m = MeasureFilter(h, lowPass(0.2, 0.3, 1.0, 100.0), {DesignKaiser, LowPass, 0.25, 0.5, 30.0});
    const std::vector<CReportLine> missed = MeasurementReport(m, 48000.0);
    for (const CReportLine& line : missed)
        EXPECT_EQ(line.bMarked, line.strName == "stop-band attenuation" || line.strName == "verdict") << line.strName;
    const std::string stop = lineNamed(missed, "stop-band attenuation").strValue;
    EXPECT_NE(stop.find(", 100 dB asked; misses by "), std::string::npos) << stop;
    EXPECT_EQ(lineNamed(missed, "requirements").strValue,
        "low pass; pass band 0 Hz .. 9.6 kHz, stop band 14.4 kHz .. 24 kHz; ripple 1 dB; attenuation 100 dB");
    EXPECT_EQ(lineNamed(missed, "verdict").strValue.rfind("Misses: stop band by ", 0), 0u);
    EXPECT_NE(lineNamed(missed, "pass-band deviation").strValue.find("; meets"), std::string::npos);
    EXPECT_EQ(lineNamed(missed, "low cut-off").strValue, "0.25 (12 kHz)");
    EXPECT_EQ(lineNamed(missed, "group delay").strValue, "30 samples (625 µs), constant");
    EXPECT_NE(lineNamed(missed, "-3 dB edges").strValue.find("below the peak gain"), std::string::npos);
    EXPECT_EQ(FormatReport(missed).rfind("length: 61\ndesign: Kaiser window\ntype: low pass\n", 0), 0u);
    EXPECT_EQ(MissLines(m, 0.0).size(), 1u);
    EXPECT_EQ(VerdictText(MeasureFilter(h, lowPass(0.2, 0.3, 1.0, 20.0)), 0.0), "Meets the requirements");
}

TEST(Measurement, ADifferentiatorsBandIsJudgedOnTheMagnitudeOverTheFrequency)
{
    // 1 - z^-1 has |H| = 2 sin(pi f): |H| / f falls from 2 pi at 0 to 2 sin(pi b) / b at b,
    // so that against a gain of 2 pi per unit frequency its relative deficit at b is
    // 1 - sin(pi b) / (pi b); a stop band of 1/4 .. 1/2 holds |H| = sqrt 2 .. 2, above
    // the 1 an attenuation of 0 dB allows.
    const double b = 0.1, gain = 2 * M_PI, lowest = 2 * std::sin(M_PI * b) / b;
    const double deficit = 1 - lowest / gain;
    const struct {
        double deviation;  // the ripple's deviation about 1
        bool meets;
    } cases[] = {{2 * deficit, true}, {deficit / 2, false}};
    for (const auto& c : cases) {
        const double ripple = 20 * std::log10((1 + c.deviation) / (1 - c.deviation));
        const CRequirements r{Differentiator, {0.0, b, 0.25, 0.5}, ripple, 0.0, {gain, 0.0}};
        const CFilterMeasurement m = MeasureFilter(arrayOf({1.0, -1.0}), r);
        ASSERT_EQ(m.bands.size(), 2u);
        EXPECT_NEAR(m.bands[0].largest.dDb, db(gain), 1e-9);
        EXPECT_NEAR(m.bands[0].smallest.dDb, db(lowest), 1e-9);
        EXPECT_NEAR(m.bands[0].smallest.dFrequency, b, 1e-12);
        EXPECT_NEAR(m.bands[1].largest.dDb, db(2.0), 1e-9);
        EXPECT_EQ(m.bands[0].Meets(), c.meets) << c.deviation;
        EXPECT_NEAR(m.bands[0].excess.dDb, db(gain * (1 - c.deviation)) - db(lowest), 1e-9);
        EXPECT_FALSE(m.passRipple);  // a ripple of |H| / f is no ripple of the filter
        EXPECT_TRUE(m.transitionWidths.empty());
        EXPECT_EQ(m.PassMissed(), !c.meets);
        EXPECT_TRUE(m.StopMissed());
    }
}
