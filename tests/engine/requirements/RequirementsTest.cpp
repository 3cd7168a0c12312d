// The requirements: the bands they judge a filter over, their checks, those a window design
// sets, and their JSON file.
#include "FilterTypes.h"
#include "RequirementsFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The deviation about 1 of a ripple of r dB peak to peak: (1 + d) / (1 - d) = 10^(r / 20).
double passTolerance(double r) { return (std::pow(10, r / 20) - 1) / (std::pow(10, r / 20) + 1); }

}  // namespace

TEST(Requirements, BandsAlternateFromTheTypesLowestBandBetweenZeroTheEdgesAndHalf)
{
    const struct {
        int type;
        std::vector<double> edges;
        std::vector<std::vector<double>> bands;  // from, to, 1 for a pass band
    } cases[] = {
        {LowPass, {0.2, 0.25}, {{0, 0.2, 1}, {0.25, 0.5, 0}}},
        {HighPass, {0.2, 0.25}, {{0, 0.2, 0}, {0.25, 0.5, 1}}},
        {BandPass, {0.1, 0.15, 0.3, 0.35}, {{0, 0.1, 0}, {0.15, 0.3, 1}, {0.35, 0.5, 0}}},
        {BandElimination, {0.1, 0.15, 0.3, 0.35}, {{0, 0.1, 1}, {0.15, 0.3, 0}, {0.35, 0.5, 1}}},
    };
    for (const auto& c : cases) {
        const std::vector<CRequirementBand> bands = RequirementBands({c.type, c.edges, 0.5, 40.0});
        ASSERT_EQ(bands.size(), c.bands.size()) << c.type;
        for (size_t b = 0; b < bands.size(); ++b) {
            const bool pass = c.bands[b][2] == 1;
            EXPECT_EQ(bands[b].dFrom, c.bands[b][0]);
            EXPECT_EQ(bands[b].dTo, c.bands[b][1]);
            EXPECT_EQ(bands[b].IsStop(), !pass);
            EXPECT_EQ(bands[b].dGain, pass ? 1.0 : 0.0);
            EXPECT_NEAR(bands[b].dTolerance, pass ? passTolerance(0.5) : 0.01, 1e-15) << c.type << " " << b;
        }
    }
    EXPECT_EQ(NarrowestTransition({BandPass, {0.1, 0.12, 0.3, 0.35}, 0.5, 40.0}), 0.12 - 0.1);
}

TEST(Requirements, MalformedOnesAreRefusedWithAReason)
{
    const CRequirements good{BandPass, {0.0, 0.15, 0.15, 0.5}, 0.1, 0.0};  // equal edges and the ends are allowed
    EXPECT_NO_THROW(CheckRequirements(good));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CRequirements bad[] = {
        {4, {0.1, 0.2}, 0.1, 60.0},
        {LowPass, {0.1, 0.2, 0.3, 0.4}, 0.1, 60.0},
        {BandPass, {0.1, 0.2}, 0.1, 60.0},
        {LowPass, {0.2, 0.1}, 0.1, 60.0},
        {LowPass, {-0.1, 0.1}, 0.1, 60.0},
        {LowPass, {0.1, 0.6}, 0.1, 60.0},
        {LowPass, {0.1, nan}, 0.1, 60.0},
        {LowPass, {0.1, 0.2}, 0.0, 60.0},
        {LowPass, {0.1, 0.2}, 100.5, 60.0},
        {LowPass, {0.1, 0.2}, nan, 60.0},
        {LowPass, {0.1, 0.2}, 0.1, -1.0},
        {LowPass, {0.1, 0.2}, 0.1, 1000.5},
    };
    for (const CRequirements& r : bad)
        EXPECT_THROW(CheckRequirements(r), std::invalid_argument) << r.nType << " " << r.edges.size();
}

TEST(Requirements, AWindowDesignCentresItsTransitionsOnItsCutOffsWithinTheBand)
{
    const struct {
        int type;
        double low, high, width;
        std::vector<double> edges;
    } cases[] = {
        {LowPass, 0.2, 0.5, 0.1, {0.15, 0.25}},
        {HighPass, 0.02, 0.5, 0.1, {0.0, 0.07}},  // held at 0
        {LowPass, 0.48, 0.5, 0.1, {0.43, 0.5}},   // held at 0.5
        {BandPass, 0.1, 0.3, 0.1, {0.05, 0.15, 0.25, 0.35}},
        {BandPass, 0.2, 0.25, 0.1, {0.15, 0.225, 0.225, 0.3}},  // a pass band narrower than its transitions
        {BandElimination, 0.2, 0.2, 0.02, {0.19, 0.2, 0.2, 0.21}},
    };
    for (const auto& c : cases) {
        const CRequirements r = PassBandRequirements(c.type, c.low, c.high, 60.0, c.width, 0.5);
        ASSERT_EQ(r.edges.size(), c.edges.size());
        for (size_t i = 0; i < c.edges.size(); ++i)
            EXPECT_NEAR(r.edges[i], c.edges[i], 1e-15) << c.type << " " << i;
        EXPECT_NO_THROW(CheckRequirements(r));
        EXPECT_EQ(r.dAttenuation, 60.0);
    }
    EXPECT_EQ(PassBandRequirements(LowPass, 0.2, 0.5, 60.0, 0.1, 500.0).dRipple, kMaxRequirementRipple);
    EXPECT_THROW(PassBandRequirements(BandPass, 0.3, 0.2, 60.0, 0.1, 0.5), std::invalid_argument);
    EXPECT_THROW(PassBandRequirements(LowPass, 0.2, 0.5, 60.0, 0.0, 0.5), std::invalid_argument);
    // A Kaiser window deviates alike in both bands: its ripple's deviation is the stop band's.
    for (double a : {1.0, 21.0, 60.0, 120.0})
        EXPECT_NEAR(passTolerance(KaiserRipple(a)), std::pow(10, -a / 20), 1e-9 * std::pow(10, -a / 20)) << a;
    EXPECT_EQ(KaiserRipple(0.0), kMaxRequirementRipple);
}

TEST(RequirementsFile, WritesEveryValueSoThatItReadsBackExactly)
{
    const CRequirements r{BandElimination, {0.1 / 3, 0.2 / 3, 0.7 / 3, 0.4}, 0.1 / 7, 80.0 / 3};
    const std::string json = FormatRequirementsJson(r);
    EXPECT_NE(json.find("\"type\": \"bandstop\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"format\": \"filter-requirements\""), std::string::npos);
    EXPECT_EQ(ParseRequirementsJson(json), r);
    EXPECT_EQ(RequirementsPath("/a/band.flt"), "/a/band.flt.requirements.json");
}

TEST(RequirementsFile, DamagedFilesAreRefusedSayingWhy)
{
    const std::string fields = R"("edges": [0.2, 0.25], "ripple_db": 0.1, "attenuation_db": 60)";
    const auto file = [&](const std::string& head) { return "{" + head + ", " + fields + "}"; };
    const std::string header = R"("format": "filter-requirements", "version": 1, "type": "lowpass")";
    EXPECT_EQ(ParseRequirementsJson(file(header)), (CRequirements{LowPass, {0.2, 0.25}, 0.1, 60.0}));
    const struct {
        std::string bytes, why;
    } cases[] = {
        {"", "not a JSON object"},
        {"[1, 2]", "not a JSON object"},
        {"{\"format\": ", "not a JSON object"},
        {file(R"("format": "other", "version": 1, "type": "lowpass")"), "not a requirements file"},
        {file(R"("format": "filter-requirements", "version": 2, "type": "lowpass")"), "a version"},
        {file(R"("format": "filter-requirements", "version": 1, "type": "notch")"), "the field \"type\""},
        {R"({"format": "filter-requirements", "version": 1, "type": "lowpass", "edges": 0.2, "ripple_db": 0.1, "attenuation_db": 60})",
            "the field \"edges\""},
        {R"({"format": "filter-requirements", "version": 1, "type": "lowpass", "edges": [0.2, "x"], "ripple_db": 0.1, "attenuation_db": 60})",
            "a band edge is not a number"},
        {R"({"format": "filter-requirements", "version": 1, "type": "lowpass", "edges": [0.2, 0.25], "attenuation_db": 60})",
            "the field \"ripple_db\""},
        {R"({"format": "filter-requirements", "version": 1, "type": "bandpass", "edges": [0.2, 0.25], "ripple_db": 0.1, "attenuation_db": 60})",
            "4 band edges"},
        {R"({"format": "filter-requirements", "version": 1, "type": "lowpass", "edges": [0.3, 0.25], "ripple_db": 0.1, "attenuation_db": 60})",
            "band edges must lie"},
    };
    for (const auto& c : cases) {
        try {
            ParseRequirementsJson(c.bytes);
            ADD_FAILURE() << "taken: " << c.bytes;
        } catch (const CRequirementsFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what() << " for " << c.bytes;
        }
    }
}
