// The fields of the requirements dialog, and the pass-band fields the Shortest button reads.
#include "ControlIds.h"
#include "DialogData.h"
#include "FilterTypes.h"
#include "RequirementsDialogData.h"

#include <gtest/gtest.h>

TEST(RequirementsDialogData, ChecksTheTypesEdgesThenRippleThenAttenuation)
{
    const struct {
        CRequirementsTexts texts;
        double sampleRate;
        int failingControl;  // 0: accepted
    } cases[] = {
        {{LowPass, {"0.2", "0.25", "", ""}, "0.1", "60"}, 0.0, 0},
        {{LowPass, {"0", "0.5", "x", "x"}, "0.1", "0"}, 0.0, 0},  // the ends; unused edges unread
        {{LowPass, {"0.25", "0.2", "", ""}, "0.1", "60"}, 0.0, IDC_EDGE2},
        {{HighPass, {"-0.1", "0.2", "", ""}, "0.1", "60"}, 0.0, IDC_EDGE1},
        {{BandPass, {"0.1", "0.2", "0.3", "0.6"}, "0.1", "60"}, 0.0, IDC_EDGE4},
        {{BandElimination, {"0.1", "0.2", "0.2", "inf"}, "0.1", "60"}, 0.0, IDC_EDGE4},
        {{BandPass, {"4800", "9600", "14400", "24000"}, "0.1", "60"}, 48000.0, 0},
        {{BandPass, {"4800", "9600", "14400", "24001"}, "0.1", "60"}, 48000.0, IDC_EDGE4},
        {{LowPass, {"0.2", "0.25", "", ""}, "0", "60"}, 0.0, IDC_RIPPLE},
        {{LowPass, {"0.2", "0.25", "", ""}, "101", "60"}, 0.0, IDC_RIPPLE},
        {{LowPass, {"0.2", "0.25", "", ""}, "0.1", "1001"}, 0.0, IDC_ATTENUATION},
    };
    for (const auto& c : cases) {
        CRequirements r;
        const auto failure = ReadRequirements(c.texts, c.sampleRate, r);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.texts.nType << " " << c.texts.strEdges[3];
        if (!failure) {
            EXPECT_NO_THROW(CheckRequirements(r));
        }
    }
    CRequirements inHz;
    ASSERT_FALSE(ReadRequirements(cases[6].texts, 48000.0, inHz));
    EXPECT_EQ(inHz.edges, (std::vector<double>{0.1, 0.2, 0.3, 0.5}));
    const CRequirementsTexts written = WriteRequirements({LowPass, {0.2, 0.35}, 0.1, 60}, 48000.0);
    EXPECT_EQ(written.strEdges, (std::array<std::string, 4>{"9600", "16800", "19200", "21600"}));
}

TEST(PassBandDialogData, ShortestReadsEveryFieldButTheLength)
{
    const struct {
        CPassBandTexts texts;  // low, length, attenuation, high, type
        int failingControl;
        int length;  // as read: the one typed when valid, else 0
    } cases[] = {
        {{"0.25", "31", "60", "", LowPass}, 0, 31},
        {{"0.25", "", "60", "", LowPass}, 0, 0},
        {{"0.25", "5000", "60", "", LowPass}, 0, 0},
        {{"0.25", "x", "-1", "", LowPass}, IDC_ATTENUATION, 0},
        {{"0.25", "x", "60", "0.1", BandPass}, IDC_HIGHCUT, 0},
    };
    for (const auto& c : cases) {
        CPassBandData data;
        const auto failure = ReadPassBandConditions(c.texts, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.texts.strLength;
        if (!failure) {
            EXPECT_EQ(data.m_nFilterLength, c.length) << c.texts.strLength;
        }
    }
}
