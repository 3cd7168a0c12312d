// The search for the shortest filter: its walk on lengths of any kind of meeting, and for
// random requests of both methods the length found meets them by the dense reference
// evaluation while the next shorter one of its parity does not.
#include "DenseResponse.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "ShortestFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace {

const CRequirements kAny{LowPass, {0.2, 0.25}, 1.0, 20.0};

// A "design" of length n that meets kAny (a window design of 101 taps, padded with zeros)
// when meets(n), else one that misses it (a single tap: all pass, no stop band).
CLengthDesign designedAs(const std::function<bool(int)>& meets, std::set<int>* designed = nullptr)
{
    return [=](int n) -> std::optional<CRealArray> {
        if (designed)
            designed->insert(n);
        CRealArray h(n);
        if (!meets(n)) {
            h[0] = 1.0;
            return h;
        }
        // A low pass that meets kAny: a windowed design long enough for its transition.
        const CRealArray good = DesignPassBand(LowPass, 101, 0.225, 0.5, 40.0).coefficients;
        CRealArray padded(std::max(n, 101));
        padded = good;
        return padded;
    };
}

// The worst excess of h over the tolerance of r's bands, in dB, by the dense reference.
double denseExcess(const CRealArray& coefficients, const CRequirements& r)
{
    const std::vector<double> h(coefficients.data(), coefficients.data() + coefficients.GetSize());
    double worst = -1e9;
    for (const CRequirementBand& band : RequirementBands(r)) {
        const CDenseExtremes e = DenseExtremes(h, band.dFrom, band.dTo);
        worst = std::max(worst, DenseDb(e.largest) - DenseDb(band.dGain + band.dTolerance));
        if (band.dGain > band.dTolerance)
            worst = std::max(worst, DenseDb(band.dGain - band.dTolerance) - DenseDb(e.smallest));
    }
    return worst;
}

// Random requests of every type: ripple 0.01 to 1 dB, attenuation 30 to 120 dB,
// transitions 0.005 to 0.1 wide.
std::vector<CRequirements> randomRequests(unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> ripple(0.01, 1.0), attenuation(30.0, 120.0), width(0.005, 0.1),
        position(0.05, 0.45);
    std::vector<CRequirements> requests;
    for (int i = 0; i < count; ++i) {
        const int type = i % 4;
        CRequirements r{type, {}, ripple(random), attenuation(random)};
        std::vector<double> cut = {position(random), position(random)};
        std::sort(cut.begin(), cut.end());
        cut.resize(type >= BandPass ? 2 : 1);
        if (cut.size() == 2 && cut[1] - cut[0] < 0.12)
            cut[1] = cut[0] + 0.12;
        for (double c : cut) {
            const double w = width(random);
            r.edges.push_back(c - w / 2);
            r.edges.push_back(c + w / 2);
        }
        requests.push_back(r);
    }
    return requests;
}

void expectShortest(const CShortestResult& found, const CRequirements& r, const CLengthDesign& design)
{
    ASSERT_GT(found.nLength, 0);
    EXPECT_LE(denseExcess(*design(found.nLength), r), 0.01) << "the length found meets the request";
    if (found.nLength > 2) {
        const std::optional<CRealArray> shorter = design(found.nLength - 2);
        EXPECT_TRUE(!shorter || denseExcess(*shorter, r) > -0.01) << "the next shorter length misses it";
    }
}

}  // namespace

TEST(FindShortest, WalksToTheShortestMeetingLengthOfItsParity)
{
    const struct {
        std::function<bool(int)> meets;
        CLengthChain chain;
        int shortest;  // 0 for none
    } cases[] = {
        {[](int n) { return n >= 301; }, {1, 4095, 73}, 301},  // far above the start
        {[](int n) { return n >= 11; }, {1, 4095, 999}, 11},   // far below it
        {[](int n) { return n >= 1; }, {1, 4095, 73}, 1},      // the first length
        {[](int n) { return n >= 5000; }, {1, 4095, 73}, 0},   // none
        {[](int n) { return n >= 100; }, {2, 4096, 74}, 100},  // even lengths
        // Meeting need not grow with the length: below 67, which the halving finds, 61 and
        // then 55 meet within three shorter lengths; 45 lies too far below to be found.
        {[](int n) { return (n >= 61 && n != 63 && n != 65) || n == 55 || n == 45; }, {1, 4095, 201}, 55},
    };
    for (const auto& c : cases) {
        std::set<int> designed;
        const CShortestResult found = FindShortest(designedAs(c.meets, &designed), c.chain, kAny, nullptr);
        EXPECT_EQ(found.nLength, c.shortest) << c.chain.nStart;
        EXPECT_EQ(found.nDesigns, static_cast<int>(designed.size())) << "no length designed twice";
        EXPECT_LE(found.nDesigns, 40);
        for (int n : designed)
            EXPECT_EQ((n - c.chain.nFirst) % 2, 0);
        if (c.shortest) {
            EXPECT_FALSE(found.longest);
        } else {
            EXPECT_EQ(found.nLongestTried, 4095);
            ASSERT_TRUE(found.longest);
            EXPECT_TRUE(found.longest->StopMissed());
        }
    }
}

TEST(FindShortest, StopsWhenTheProgressSaysSoAndRefusesBadChains)
{
    std::vector<int> told;
    const CShortestResult stopped = FindShortest(designedAs([](int n) { return n > 1000; }), {1, 4095, 73}, kAny,
        [&](int n) {
            told.push_back(n);
            return told.size() < 3;
        });
    EXPECT_TRUE(stopped.bCancelled);
    EXPECT_EQ(stopped.nLength, 0);
    EXPECT_EQ(told.size(), 3u);
    EXPECT_EQ(stopped.nDesigns, 2);
    for (const CLengthChain bad : {CLengthChain{0, 11, 1}, CLengthChain{1, 10, 1}, CLengthChain{1, 11, 2}, CLengthChain{3, 11, 1}})
        EXPECT_THROW(FindShortest(designedAs([](int) { return true; }), bad, kAny, nullptr), std::invalid_argument);
}

TEST(ShortestFilter, KaiserDesignsOfRandomRequestsMeetThemAndOneStepShorterDoNot)
{
    for (const CRequirements& r : randomRequests(17, 20)) {
        SCOPED_TRACE(testing::Message() << "type " << r.nType << ", ripple " << r.dRipple << ", attenuation " << r.dAttenuation);
        // The window's attenuation as Kaiser's method takes it: the smaller deviation decides.
        const double attenuation = std::max(r.dAttenuation, -20 * std::log10(PassDeviation(r.dRipple)));
        const double low = 0.5 * (r.edges[0] + r.edges[1]), high = r.nType >= BandPass ? 0.5 * (r.edges[2] + r.edges[3]) : 0.5;
        const CLengthDesign design = [&](int n) -> std::optional<CRealArray> {
            return DesignPassBand(r.nType, n, low, high, attenuation).coefficients;
        };
        const CShortestResult found = ShortestPassBand(r.nType, low, high, attenuation, 4096, r, nullptr);
        EXPECT_EQ(found.nLength % 2, 1);
        expectShortest(found, r, design);
    }
}

TEST(ShortestFilter, EquirippleDesignsOfRandomRequestsMeetThemAndOneStepShorterDoNot)
{
    for (const CRequirements& r : randomRequests(18, 20)) {
        SCOPED_TRACE(testing::Message() << "type " << r.nType << ", ripple " << r.dRipple << ", attenuation " << r.dAttenuation);
        const CEquirippleRequest request{r.nType, 0, r.edges, r.dRipple, r.dAttenuation, {}, {}};
        const CLengthDesign design = [&](int n) -> std::optional<CRealArray> {
            CEquirippleRequest sized = request;
            sized.nLength = n;
            const std::optional<CEquirippleDesign> d = TryDesignEquiripple(sized);
            return d ? std::optional<CRealArray>(d->coefficients) : std::nullopt;
        };
        const CShortestResult found = ShortestEquiripple(request, nullptr);
        if (r.nType == HighPass || r.nType == BandElimination) {
            EXPECT_EQ(found.nLength % 2, 1);
        }
        expectShortest(found, r, design);
    }
}
