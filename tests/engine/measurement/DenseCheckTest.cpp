// The figures of the measurement against the dense reference evaluation (DenseResponse):
// designs of both methods, every type, lengths 3 to 4096. No figure may be better, or
// worse, than the filter by more than 0.01 dB, and each lies where it is said to lie.
#include "DenseResponse.h"
#include "EquirippleDesign.h"
#include "FilterDesign.h"
#include "FilterMeasurement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kToleranceDb = 0.01;

struct CCase {
    int type;
    int n;
    double attenuation;
    double width;  // of the equiripple design's transitions; 0 for about 4 / n
};

std::vector<double> valuesOf(const CRealArray& h) { return std::vector<double>(h.data(), h.data() + h.GetSize()); }

// The band figures of the dense evaluation, over all pass and over all stop bands.
struct CDenseFigures {
    double passLargest = -1e9, passSmallest = 1e9, stopLargest = -1e9;
};

CDenseFigures denseFigures(const std::vector<double>& h, const CRequirements& r)
{
    CDenseFigures d;
    for (const CRequirementBand& band : RequirementBands(r)) {
        const CDenseExtremes e = DenseExtremes(h, band.dFrom, band.dTo);
        if (band.IsStop()) {
            d.stopLargest = std::max(d.stopLargest, DenseDb(e.largest));
            continue;
        }
        d.passLargest = std::max(d.passLargest, DenseDb(e.largest));
        d.passSmallest = std::min(d.passSmallest, DenseDb(e.smallest));
    }
    return d;
}

// The dB value the filter has at a figure's frequency.
double denseAt(const std::vector<double>& h, const CFigure& figure)
{
    return DenseDb(DenseMagnitudes(h, {figure.dFrequency})[0]);
}

void expectFiguresOfTheFilter(const CRealArray& coefficients, const CRequirements& r)
{
    const std::vector<double> h = valuesOf(coefficients);
    const CFilterMeasurement m = MeasureFilter(coefficients, r);
    const CDenseFigures d = denseFigures(h, r);
    if (m.stopLargest) {
        EXPECT_NEAR(m.stopLargest->dDb, d.stopLargest, kToleranceDb);
        EXPECT_NEAR(denseAt(h, *m.stopLargest), m.stopLargest->dDb, kToleranceDb);
    }
    if (m.passRipple) {
        EXPECT_NEAR(m.passLargest->dDb, d.passLargest, kToleranceDb);
        EXPECT_NEAR(m.passSmallest->dDb, d.passSmallest, kToleranceDb);
        EXPECT_GE(*m.passRipple, d.passLargest - d.passSmallest - kToleranceDb);
        EXPECT_GE(m.passDeviation->dDb, std::max(d.passLargest, -d.passSmallest) - kToleranceDb);
        EXPECT_NEAR(denseAt(h, *m.passSmallest), m.passSmallest->dDb, kToleranceDb);
        EXPECT_NEAR(denseAt(h, *m.passLargest), m.passLargest->dDb, kToleranceDb);
    }
    const double passLimit = DenseDb(1 + PassDeviation(r.dRipple)), stopLimit = -r.dAttenuation;
    const bool denseMeets = d.stopLargest <= stopLimit && d.passLargest <= passLimit
        && d.passSmallest >= DenseDb(1 - PassDeviation(r.dRipple));
    // A verdict of "meets" is one the dense evaluation agrees with, to the tolerance.
    if (m.MeetsRequirements()) {
        EXPECT_TRUE(denseMeets || std::max(d.stopLargest - stopLimit, d.passLargest - passLimit) <= kToleranceDb);
    }
}

// Transitions that suit an equiripple filter of n taps: about 4 / n.
double widthFor(const CCase& c)
{
    return c.width > 0.0 ? c.width : std::clamp(4.0 / c.n, 0.0005, c.type >= BandPass ? 0.1 : 0.15);
}

void expectEquirippleFigures(const std::vector<CCase>& cases)
{
    for (const CCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.n << " taps, " << c.attenuation << " dB");
        const double w = widthFor(c);
        CEquirippleRequest request{c.type, c.n, {0.2 - w / 2, 0.2 + w / 2}, 0.1, c.attenuation, {}, {}};
        if (c.type >= BandPass)
            request.edges = {0.12 - w / 2, 0.12 + w / 2, 0.33 - w / 2, 0.33 + w / 2};
        expectFiguresOfTheFilter(DesignEquiripple(request).coefficients, EquirippleRequirements(request));
    }
}

}  // namespace

TEST(DenseCheck, KaiserDesignsOfEveryTypeAndLength)
{
    const CCase cases[] = {{LowPass, 3, 40, 0}, {HighPass, 4, 30, 0}, {BandPass, 8, 50, 0}, {BandElimination, 17, 60, 0},
        {LowPass, 64, 80, 0}, {HighPass, 101, 100, 0}, {BandPass, 256, 60, 0}, {BandElimination, 511, 90, 0},
        {LowPass, 1024, 100, 0}, {HighPass, 2047, 70, 0}, {BandPass, 4095, 60, 0}, {BandElimination, 4096, 80, 0}};
    for (const CCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.n << " taps, " << c.attenuation << " dB");
        const double low = c.type >= BandPass ? 0.12 : 0.2, high = 0.33;
        const CRealArray h = DesignPassBand(c.type, c.n, low, high, c.attenuation).coefficients;
        const double width = KaiserTransitionWidth(c.attenuation, std::max(c.n, 2));
        expectFiguresOfTheFilter(h, PassBandRequirements(c.type, low, high, c.attenuation, width, KaiserRipple(c.attenuation)));
    }
}

TEST(DenseCheck, EquirippleDesignsOfEveryTypeAndLength)
{
    // The 1024 taps of the low pass are far more than its request needs: its ripples crowd
    // into lobes a few grid points wide beside the band edges.
    expectEquirippleFigures({{LowPass, 3, 20, 0}, {LowPass, 4, 25, 0}, {HighPass, 5, 30, 0}, {BandPass, 8, 30, 0},
        {BandElimination, 17, 40, 0}, {LowPass, 64, 80, 0}, {HighPass, 101, 100, 0}, {BandPass, 256, 60, 0},
        {BandElimination, 511, 90, 0}, {LowPass, 1024, 100, 0.005}, {HighPass, 1501, 70, 0}, {BandElimination, 1023, 80, 0}});
}

// The longest equiripple design, a test of its own: it takes half a minute under the sanitizers.
TEST(DenseCheck, EquirippleDesignOfTheLongestLength)
{
    expectEquirippleFigures({{BandPass, 4096, 60, 0}});
}
