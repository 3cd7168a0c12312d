// Equiripple designs whose best error double coefficients cannot hold: far longer than
// their bands need, the best polynomial rises between the bands by many orders of
// magnitude, or its error lies below the rounding of double coefficients. They are
// designed at that floor, and what they report is checked against the amplitude of their
// coefficients summed by its definition in long double (EquirippleCheck). So is the
// length estimate of requests with their own weights.
#include "EquirippleCheck.h"
#include "EquirippleDesign.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

#include <algorithm>

using equiripple_check::BandDeviations;
using equiripple_check::PeakWeightedError;
using equiripple_check::Request;
using equiripple_check::ToVector;

namespace {

const std::vector<double> kUnevenBandPass = {0.2944, 0.3910, 0.4489, 0.4765};

}  // namespace

TEST(EquirippleFloor, DesignsWhereDoubleCoefficientsCannotHoldTheBestErrorAndReportsWhatTheyReach)
{
    const CEquirippleRequest cases[] = {
        // Two transition bands of very different widths: from 141 taps on the wide one is
        // left free and the best amplitude there reaches 1e6 (181 taps) to 1e25 (601).
        Request(BandPass, 181, kUnevenBandPass, 0.58, 100.5),
        Request(BandPass, 188, kUnevenBandPass, 0.58, 100.5),
        Request(BandPass, 601, kUnevenBandPass, 0.58, 100.5),
        Request(BandPass, 1000, kUnevenBandPass, 0.58, 100.5),
        // Errors below 1e-16: no exchange at this length converges.
        Request(LowPass, 4001, {0.2, 0.25}, 0.1, 60),
        Request(HalfBand, 1023, {0.2}, 0.1, 60),
    };
    for (const CEquirippleRequest& r : cases) {
        SCOPED_TRACE("type " + std::to_string(r.nType) + ", N " + std::to_string(r.nLength));
        const CEquirippleDesign d = DesignEquiripple(r);
        ASSERT_EQ(d.coefficients.GetSize(), r.nLength);
        EXPECT_TRUE(d.bAtRoundingFloor);
        const std::vector<double> measured = BandDeviations(r, ToVector(d.coefficients));
        ASSERT_EQ(measured.size(), d.bandDeviations.size());
        for (size_t b = 0; b < measured.size(); ++b)
            EXPECT_LE(measured[b], d.bandDeviations[b]) << "band " << b << " reported optimistically";
        // Far longer than the request needs, so it meets it, and it does at least as well
        // as the design at the estimated length, which its coefficients hold.
        EXPECT_LE(std::max(measured.front(), measured.back()), PassDeviation(r.dRipple));
        CEquirippleRequest estimated = r;
        estimated.nLength = EstimateEquirippleLength(r).nLength;
        const CEquirippleDesign shorter = DesignEquiripple(estimated);
        EXPECT_LE(PeakWeightedError(r, ToVector(d.coefficients)), PeakWeightedError(r, ToVector(shorter.coefficients)));
    }
}

TEST(EquirippleFloor, EveryLengthOfAnUnevenBandPassDesignsAndNoneReportsOptimistically)
{
    CEquirippleRequest r = Request(BandPass, 0, kUnevenBandPass, 0.58, 100.5);
    for (r.nLength = 120; r.nLength <= 700; r.nLength += 29) {
        SCOPED_TRACE("N " + std::to_string(r.nLength));
        const std::optional<CEquirippleDesign> d = TryDesignEquiripple(r);
        ASSERT_TRUE(d.has_value());
        const std::vector<double> measured = BandDeviations(r, ToVector(d->coefficients));
        for (size_t b = 0; b < measured.size(); ++b)
            EXPECT_LE(measured[b], d->bandDeviations[b]) << "band " << b;
    }
}

TEST(EquirippleEstimate, WithItsOwnWeightsTheDesignAtTheEstimateMeetsEveryBand)
{
    struct {
        CEquirippleRequest r;
        std::vector<double> weights;
    } cases[] = {
        // Equal weights: the stop band must reach 60 dB, the pass band then levels with it.
        {Request(LowPass, 0, {0.2, 0.25}, 0.1, 60), {1.0, 1.0}},
        {Request(LowPass, 0, {0.2, 0.25}, 0.1, 60), {1.0, 1e4}},
        {Request(HighPass, 0, {0.3, 0.33}, 0.5, 50), {20.0, 1.0}},
        {Request(BandPass, 0, {0.1, 0.14, 0.3, 0.34}, 0.5, 50), {100.0, 1.0, 1.0}},
        {Request(BandElimination, 0, {0.1, 0.15, 0.3, 0.35}, 1.0, 40), {1.0, 3.0, 0.5}},
    };
    for (auto& c : cases) {
        CEquirippleRequest r = c.r;
        r.weights = c.weights;
        const CLengthEstimate estimate = EstimateEquirippleLength(r);
        ASSERT_TRUE(estimate.strError.empty()) << estimate.strError;
        r.nLength = estimate.nLength;
        SCOPED_TRACE("type " + std::to_string(r.nType) + ", N " + std::to_string(r.nLength));
        const std::vector<double> measured = BandDeviations(r, ToVector(DesignEquiripple(r).coefficients));
        for (size_t b = 0; b < measured.size(); ++b) {
            const bool pass = (r.nType == LowPass || r.nType == BandElimination) == (b % 2 == 0);
            EXPECT_LE(measured[b], pass ? PassDeviation(r.dRipple) : StopDeviation(r.dAttenuation)) << b;
        }
    }
    // The weights ripple and attenuation imply give the estimate of none.
    CEquirippleRequest implied = Request(BandPass, 0, {0.1, 0.12, 0.2, 0.25}, 0.5, 80);
    const double stopWeight = PassDeviation(0.5) / StopDeviation(80);
    const int unweighted = EstimateEquirippleLength(implied).nLength;
    implied.weights = {stopWeight, 1.0, stopWeight};
    EXPECT_EQ(EstimateEquirippleLength(implied).nLength, unweighted);
}
