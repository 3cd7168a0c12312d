// The requirements: the bands they judge a filter over, their checks, those a window design
// sets, and their JSON file.
#include "EquirippleDesign.h"
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

TEST(Requirements, BandsStatedWithGainsAreJudgedWithinTheRippleOfTheirGain)
{
    const double pass = passTolerance(0.5), stop = std::pow(10.0, -40.0 / 20.0);
    const struct {
        CRequirements r;
        std::vector<CRequirementBand> bands;
    } cases[] = {
        {{Multiband, {0.0, 0.1, 0.15, 0.3, 0.3, 0.5}, 0.5, 40.0, {1.0, 0.0, 0.5}},
            {{0.0, 0.1, 1.0, pass, false}, {0.15, 0.3, 0.0, stop, false}, {0.3, 0.5, 0.5, 0.5 * pass, false}}},
        {{Differentiator, {0.0, 0.2, 0.3, 0.5}, 0.5, 40.0, {2.0, 0.0}},
            {{0.0, 0.2, 2.0, 2.0 * pass, true}, {0.3, 0.5, 0.0, stop, false}}},
        {{Hilbert, {0.05, 0.45}, 0.5, 40.0, {1.0}}, {{0.05, 0.45, 1.0, pass, false}}},
    };
    for (const auto& c : cases) {
        ASSERT_NO_THROW(CheckRequirements(c.r)) << c.r.nType;
        const std::vector<CRequirementBand> bands = RequirementBands(c.r);
        ASSERT_EQ(bands.size(), c.bands.size()) << c.r.nType;
        for (size_t b = 0; b < bands.size(); ++b) {
            EXPECT_EQ(bands[b].dFrom, c.bands[b].dFrom);
            EXPECT_EQ(bands[b].dTo, c.bands[b].dTo);
            EXPECT_EQ(bands[b].dGain, c.bands[b].dGain);
            EXPECT_NEAR(bands[b].dTolerance, c.bands[b].dTolerance, 1e-15);
            EXPECT_EQ(bands[b].bPerFrequency, c.bands[b].bPerFrequency) << c.r.nType << " band " << b;
        }
    }
    const CRequirementBand slope{0.0, 0.2, 2.0, 0.1, true};
    EXPECT_DOUBLE_EQ(slope.GainAt(0.1), 0.2);
    EXPECT_DOUBLE_EQ(slope.ToleranceAt(0.1), 0.01);
    EXPECT_EQ(NarrowestTransition(cases[0].r), 0.0);
    EXPECT_DOUBLE_EQ(NarrowestTransition(cases[1].r), 0.1);
    EXPECT_EQ(NarrowestTransition(cases[2].r), 0.5);
}

TEST(Requirements, MalformedBandsAreRefusedWithAReason)
{
    const struct {
        CRequirements r;
        const char* why;
    } cases[] = {
        {{Multiband, {0.0, 0.1, 0.2}, 0.1, 60.0, {1.0, 0.0}}, "1 to 6 bands"},
        {{Multiband, {}, 0.1, 60.0, {}}, "1 to 6 bands"},
        {{Multiband, std::vector<double>(14, 0.1), 0.1, 60.0, std::vector<double>(7, 1.0)}, "1 to 6 bands"},
        {{Multiband, {0.0, 0.2, 0.1, 0.3}, 0.1, 60.0, {1.0, 0.0}}, "none before the one below"},
        {{Differentiator, {0.2, 0.2}, 0.1, 60.0, {1.0}}, "each ending above its start"},
        {{Multiband, {0.0, 0.6}, 0.1, 60.0, {1.0}}, "within 0 .. 0.5"},
        {{Multiband, {0.0, 0.2}, 0.1, 60.0, {-1.0}}, "a band's gain"},
        {{Differentiator, {0.0, 0.2}, 0.1, 60.0, {std::nan("")}}, "a band's gain"},
        {{Hilbert, {0.1, 0.4}, 0.1, 60.0, {2.0}}, "a band's gain"},
        {{LowPass, {0.2, 0.25}, 0.1, 60.0, {1.0, 0.0}}, "take gains"},
        {{HalfBand, {0.2, 0.3}, 0.1, 60.0, {}}, "filter type must be 0 to 6"},
    };
    for (const auto& c : cases) {
        try {
            CheckRequirements(c.r);
            ADD_FAILURE() << "taken: " << c.why;
        } catch (const std::invalid_argument& e) {
            EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
        }
    }
}

TEST(Requirements, AnEquiripplesRequestStatesItsBandsAndGains)
{
    CEquirippleRequest multiband{Multiband, 61, {}, 0.2, 50.0, {}, {{0.0, 0.1, 1.0, 1.0}, {0.2, 0.5, -0.5, 3.0}}};
    CEquirippleRequest differentiator{Differentiator, 32, {}, 0.2, 50.0, {}, {{0.0, 0.4, 2.0, 1.0}}};
    const struct {
        CEquirippleRequest request;
        CRequirements r;
    } cases[] = {
        {multiband, {Multiband, {0.0, 0.1, 0.2, 0.5}, 0.2, 50.0, {1.0, 0.5}}},
        {differentiator, {Differentiator, {0.0, 0.4}, 0.2, 50.0, {2.0}}},
        {{Hilbert, 32, {0.05, 0.5}, 0.2, 50.0, {}, {}}, {Hilbert, {0.05, 0.5}, 0.2, 50.0, {1.0}}},
        {{HalfBand, 31, {0.2}, 0.2, 50.0, {}, {}}, {LowPass, {0.2, 0.3}, 0.2, 50.0, {}}},
        {{BandPass, 31, {0.1, 0.15, 0.3, 0.35}, 0.2, 50.0, {1.0, 2.0, 3.0}, {}},
            {BandPass, {0.1, 0.15, 0.3, 0.35}, 0.2, 50.0, {}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EquirippleRequirements(c.request), c.r) << c.request.nType;
        EXPECT_NO_THROW(CheckRequirements(EquirippleRequirements(c.request)));
    }
}

TEST(RequirementsFile, BandsAndGainsReadBackExactlyAndOlderFilesStillRead)
{
    for (const CRequirements& r : {CRequirements{Multiband, {0.0, 0.1 / 3, 0.2, 0.5}, 0.1 / 7, 80.0 / 3, {1.0 / 3, 0.0}},
             CRequirements{Differentiator, {0.0, 0.45}, 0.1, 60.0, {2.5}},
             CRequirements{Hilbert, {0.05, 0.5}, 0.1, 60.0, {1.0}}}) {
        const std::string json = FormatRequirementsJson(r);
        EXPECT_NE(json.find("\"gains\""), std::string::npos) << json;
        EXPECT_EQ(ParseRequirementsJson(json), r) << json;
    }
    EXPECT_EQ(FormatRequirementsJson({LowPass, {0.2, 0.25}, 0.1, 60.0, {}}).find("gains"), std::string::npos);
    const std::string older =
        R"({"format": "filter-requirements", "version": 1, "type": "highpass", "edges": [0.2, 0.25], "ripple_db": 0.1, "attenuation_db": 60})";
    EXPECT_EQ(ParseRequirementsJson(older), (CRequirements{HighPass, {0.2, 0.25}, 0.1, 60.0, {}}));
    const std::string head = R"({"format": "filter-requirements", "version": 1, "type": "multiband", "edges": [0, 0.2], )";
    const struct {
        std::string tail, why;
    } damaged[] = {
        {R"("ripple_db": 0.1, "attenuation_db": 60})", "the field \"gains\""},
        {R"("gains": ["x"], "ripple_db": 0.1, "attenuation_db": 60})", "a band's gain is not a number"},
        {R"("gains": [1, 0], "ripple_db": 0.1, "attenuation_db": 60})", "1 to 6 bands"},
    };
    for (const auto& c : damaged) {
        try {
            ParseRequirementsJson(head + c.tail);
            ADD_FAILURE() << "taken: " << c.tail;
        } catch (const CRequirementsFileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
        }
    }
}
