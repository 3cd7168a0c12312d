#include "ControlIds.h"
#include "DialogData.h"
#include "EquirippleDialogData.h"
#include "FilterTypes.h"

#include <gtest/gtest.h>

TEST(PassBandDialogData, OpensWithTheDocumentValuesAndAnEmptyHighEdit)
{
    CPassBandData data;
    data.m_dLow = 0.0;
    data.m_nFilterLength = 0;
    data.m_dOutbandAttn = 60.0;
    const CPassBandTexts texts = WritePassBand(data);
    EXPECT_EQ(texts.strLow, "0");
    EXPECT_EQ(texts.strLength, "0");
    EXPECT_EQ(texts.strAttenuation, "60");
    EXPECT_EQ(texts.strHigh, "");
    EXPECT_EQ(texts.nType, 0);
}

TEST(PassBandDialogData, ChecksTheFieldsInExchangeOrder)
{
    const struct {
        CPassBandTexts texts;
        int failingControl;  // 0: accepted
    } cases[] = {
        {{"0.25", "31", "60", "", 0}, 0},
        {{"0.6", "0", "-1", "", 0}, IDC_LOWCUT},
        {{"0.25", "0", "-1", "", 0}, IDC_LENGTH},
        {{"0.25", "4097", "60", "", 0}, IDC_LENGTH},
        {{"0.25", "4096", "1000.5", "", 0}, IDC_ATTENUATION},
        {{"0.25", "1", "nan", "", 0}, IDC_ATTENUATION},
        {{"0.25", "31", "60", "", BandPass}, IDC_HIGHCUT},
        {{"0.25", "31", "60", "0.2", BandElimination}, IDC_HIGHCUT},
        {{"0.25", "31", "60", "0.25", BandPass}, IDC_HIGHCUT},  // a band of no width
        {{"0.25", "31", "60", "0.25", BandElimination}, IDC_HIGHCUT},
        {{"0.25", "31", "60", "0.255", BandPass}, IDC_HIGHCUT},  // 31 f: 7.75 and 7.9, no bin between
        {{"0.25", "31", "60", "0.26", BandPass}, 0},
        {{"0.49", "31", "60", "", HighPass}, IDC_LOWCUT},  // bins 16 .. 15: none
        {{"0.25", "31", "60", "junk", HighPass}, 0},
    };
    for (const auto& c : cases) {
        CPassBandData data;
        const auto failure = ReadPassBand(c.texts, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.texts.strLow << " " << c.texts.strLength;
    }
    CPassBandData data;
    const auto failure = ReadPassBand({"0.25", "0", "60", "", 0}, data);
    EXPECT_EQ(failure->strMessage, "Please enter an integer between 1 and 4096.");
    EXPECT_EQ(data.m_dLow, 0.25);  // read before the failing field
    EXPECT_EQ(data.m_dHigh, 0.5);  // not exchanged for a low pass
}

TEST(LengthDialogData, ChecksAttenuationThenRippleThenWidthThenTheEstimate)
{
    const struct {
        CLengthEstimateTexts texts;  // ripple, attenuation, transition
        int failingControl;
        const char* message;
    } cases[] = {
        {{"0", "0", "0"}, IDC_ATTENUATION, "Please enter a number between 0.0001 and 100000."},
        // The ripple's range leaves out 0 dB, which no length reaches.
        {{"-1", "60", "0"}, IDC_RIPPLE, "Please enter a number greater than 0 and at most 200."},
        {{"0", "60", "0.05"}, IDC_RIPPLE, "Please enter a number greater than 0 and at most 200."},
        {{"0.1", "60", "0"}, IDC_TRANSITION, "Please enter a number between 1e-06 and 0.5."},
        {{"0.1", "60", "0.6"}, IDC_TRANSITION, "Please enter a number between 1e-06 and 0.5."},
        {{"0.1", "60", "0.05"}, 0, ""},
        {{"200", "100", "0.01"}, 0, ""},
        // In range, but the length would exceed 65535.
        {{"200", "100000", "0.000001"}, IDC_TRANSITION, nullptr},
    };
    for (const auto& c : cases) {
        CLengthEstimateData data;
        const auto failure = ReadLengthEstimate(c.texts, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.texts.strRipple << " " << c.texts.strAttenuation;
        if (c.message) {
            EXPECT_EQ(failure ? failure->strMessage : "", c.message) << c.texts.strRipple;
        }
    }
    const CLengthEstimateTexts opened = WriteLengthEstimate(CLengthEstimateData());
    EXPECT_EQ(opened.strRipple + opened.strAttenuation + opened.strTransition, "000");
}

TEST(EquirippleDialogData, AskedLengthIsFarBelowTheEstimateUnderThreeQuartersOfIt)
{
    const struct {
        int length, estimate;
        bool far;
    } cases[] = {{119, 130368, true}, {45, 60, false}, {44, 60, true}, {1, 0, false}, {61, 60, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsFarBelowEstimate(c.length, c.estimate), c.far) << c.length << " " << c.estimate;
    // Edges 1 Hz apart at 48 kHz: too long to design, yet the estimate tells its length.
    CEquirippleTexts texts = WriteEquiripple(CEquirippleData(), 48000.0);
    texts.strEdges[0] = "4800";
    texts.strEdges[1] = "4801";
    const std::optional<CLengthEstimate> estimate = EquirippleEstimateOf(texts, 48000.0);
    ASSERT_TRUE(estimate);
    EXPECT_NE(estimate->strError.find("about 130368"), std::string::npos) << estimate->strError;
    EXPECT_EQ(estimate->nLength, 130368);
}
