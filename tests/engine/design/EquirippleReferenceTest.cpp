// The equiripple design against an independent implementation (scipy.signal.remez, by
// tests/data/equiripple/generate.py) and against the alternation theorem, each peak of
// the weighted error located here on the continuous bands (EquirippleCheck).
#include "EquirippleCheck.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

#include <cmath>

using equiripple_check::PeakWeightedError;
using equiripple_check::ToVector;

namespace {

std::vector<equiripple_check::CReferenceDesign> designsOf(const char* name)
{
    return equiripple_check::ReadReferenceDesigns(std::string(EQUIRIPPLE_DATA) + "/" + name);
}

CEquirippleRequest lowPass(int n, double pass, double stop, double ripple, double attenuation)
{
    return equiripple_check::Request(LowPass, n, {pass, stop}, ripple, attenuation);
}

}  // namespace

// Ours is the best approximation on the continuous bands, scipy's the best on its grid:
// its peak between grid points can only lie higher.
TEST(EquirippleReference, PeakWeightedErrorIsNeverAboveTheIndependentImplementations)
{
    for (const char* file : {"classic.txt", "random.txt"}) {
        for (const auto& reference : designsOf(file)) {
            SCOPED_TRACE(reference.header);
            const double ours = PeakWeightedError(reference.request, ToVector(DesignEquiripple(reference.request).coefficients));
            EXPECT_LE(ours, PeakWeightedError(reference.request, reference.coefficients) * (1.0 + 1e-6));
        }
    }
}

// Multiband, differentiator, Hilbert transformer and half-band designs of odd and even
// lengths, with scipy's type='differentiator' and type='hilbert'.
TEST(EquirippleReference, EveryNewTypeAgreesWithTheIndependentImplementation)
{
    for (const auto& reference : designsOf("types.txt")) {
        SCOPED_TRACE(reference.header);
        const CEquirippleDesign d = DesignEquiripple(reference.request);
        ASSERT_EQ(d.coefficients.GetSize(), reference.request.nLength);
        const double ours = PeakWeightedError(reference.request, ToVector(d.coefficients));
        const double theirs = PeakWeightedError(reference.request, reference.coefficients);
        EXPECT_NEAR(ours, theirs, 1e-3 * theirs);
        EXPECT_LE(ours, theirs * (1.0 + 1e-6));
    }
}

// The half-band filter: every second coefficient 0 but the centre, exactly 0.5, and the
// same deviation in both bands.
TEST(EquirippleReference, HalfBandFilterHasItsZerosAndCentreExactly)
{
    for (int n : {31, 63, 127}) {
        CEquirippleRequest r;
        r.nType = HalfBand;
        r.nLength = n;
        r.edges = {0.2};
        const CEquirippleDesign d = DesignEquiripple(r);
        const int centre = (n - 1) / 2;
        for (int i = 0; i < n; ++i) {
            if ((i - centre) % 2 == 0) {
                EXPECT_EQ(d.coefficients[i], i == centre ? 0.5 : 0.0) << i;
            }
        }
        EXPECT_EQ(d.dPassDeviation, d.dStopDeviation);
    }
}

// The requests of the issue that once left peaks beside the band edges up to 5% above
// the level: every extremum of the reference at the level within 1e-6, and no peak
// anywhere on the bands above it by more.
TEST(EquirippleReference, ReproducersMeetTheAlternationTheoremOnTheContinuousBands)
{
    CEquirippleRequest bandPass = lowPass(53, 0.1, 0.15, 0.5, 60);
    bandPass.nType = BandPass;
    bandPass.edges = {0.1, 0.15, 0.3, 0.35};
    const CEquirippleRequest cases[] = {lowPass(81, 20.0 / 48, 22.0 / 48, 0.1, 80), bandPass,
        lowPass(2001, 0.2, 0.204, 0.1, 120), lowPass(4095, 0.2, 0.202, 0.1, 120)};
    for (const CEquirippleRequest& r : cases) {
        SCOPED_TRACE("N " + std::to_string(r.nLength));
        const CEquirippleDesign d = DesignEquiripple(r);
        const double level = std::abs(d.extremalErrors.front());
        EXPECT_FALSE(d.bAtRoundingFloor);
        EXPECT_LE(d.dSpread, 1e-6);
        for (size_t k = 0; k < d.extremalErrors.size(); ++k) {
            EXPECT_NEAR(std::abs(d.extremalErrors[k]), level, 1e-6 * level) << k;
            if (k > 0) {
                EXPECT_LT(d.extremalErrors[k] * d.extremalErrors[k - 1], 0.0) << k;
            }
        }
        EXPECT_LE(PeakWeightedError(r, ToVector(d.coefficients)), level * (1.0 + 1e-6));
    }
}

// A length the type cannot have is refused with the length that would do; a malformed
// request is an invalid argument.
TEST(EquirippleReference, NewTypesRefuseWhatTheirLengthCannotGiveAndSayWhatWould)
{
    auto withBands = [](int type, int n, std::vector<CEquirippleBand> bands) {
        CEquirippleRequest r;
        r.nType = type;
        r.nLength = n;
        r.bands = std::move(bands);
        return r;
    };
    auto withEdges = [](int type, int n, std::vector<double> edges) {
        CEquirippleRequest r;
        r.nType = type;
        r.nLength = n;
        r.edges = std::move(edges);
        return r;
    };
    const struct {
        CEquirippleRequest request;
        const char* says;
    } refused[] = {
        {withEdges(Hilbert, 31, {0.05, 0.5}), "Use an even length, such as 32."},
        {withBands(Differentiator, 33, {{0.0, 0.5, 1.0, 1.0}}), "Use an even length, such as 34."},
        {withEdges(HalfBand, 33, {0.2}), "Use 31 or 35."},
        {withBands(Multiband, 40, {{0.0, 0.2, 0.0, 1.0}, {0.3, 0.5, 1.0, 1.0}}), "Use an odd length, such as 41."},
        {withEdges(Hilbert, 1, {0.05, 0.45}), "Use a length of at least 2."},
    };
    for (const auto& c : refused) {
        try {
            DesignEquiripple(c.request);
            ADD_FAILURE() << "designed: " << c.says;
        } catch (const CEquirippleRefusal& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
    const std::vector<CEquirippleBand> seven(7, CEquirippleBand{0.0, 0.01, 1.0, 1.0});
    EXPECT_THROW(DesignEquiripple(withBands(Multiband, 31, seven)), std::invalid_argument);
    EXPECT_THROW(DesignEquiripple(withBands(Multiband, 31, {{0.0, 0.3, 1.0, 1.0}, {0.2, 0.5, 0.0, 1.0}})), std::invalid_argument);
    EXPECT_THROW(DesignEquiripple(withEdges(HalfBand, 31, {0.25})), std::invalid_argument);
    EXPECT_THROW(DesignEquiripple(withBands(Differentiator, 32, {{0.0, 0.5, 1.0, 0.0}})), std::invalid_argument);
}
