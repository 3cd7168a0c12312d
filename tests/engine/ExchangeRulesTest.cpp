#include "CoefficientText.h"
#include "DataExchange.h"
#include "DialogData.h"
#include "Resource.h"

#include <gtest/gtest.h>

TEST(NumberText, AcceptsDecimalAndExponentNotationOnly)
{
    const struct {
        const char* text;
        bool valid;
        double value;
    } cases[] = {
        {"0.25", true, 0.25}, {" 60 ", true, 60}, {"+1", true, 1}, {"-0.5", true, -0.5}, {".5", true, 0.5},
        {"1e-3", true, 1e-3}, {"2E+2", true, 200}, {"nan", false, 0}, {"inf", false, 0}, {"-inf", false, 0},
        {"1e999", false, 0}, {"", false, 0}, {"-", false, 0}, {"1e", false, 0}, {"0x10", false, 0},
        {"1,5", false, 0}, {"1.2.3", false, 0}, {"+-1", false, 0}, {"12abc", false, 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseDouble(c.text);
        EXPECT_EQ(parsed.has_value(), c.valid) << '"' << c.text << '"';
        if (parsed && c.valid) {
            EXPECT_EQ(*parsed, c.value) << c.text;
        }
    }
    EXPECT_EQ(ParseInt(" -12 "), -12);
    EXPECT_FALSE(ParseInt("1.5"));
    EXPECT_FALSE(ParseInt("99999999999"));
    EXPECT_EQ(FormatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatDouble(60.0), "60");
    EXPECT_EQ(FormatDouble(1e-5), "1e-05");
}

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
        {{"0.25", "31", "60", "0.25", BandPass}, 0},
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
    } cases[] = {
        {{"0", "0", "0"}, IDC_ATTENUATION},
        {{"-1", "60", "0"}, IDC_RIPPLE},
        {{"0", "60", "0"}, IDC_TRANSITION},
        {{"0", "60", "0.6"}, IDC_TRANSITION},
        {{"0.1", "60", "0.05"}, 0},
        {{"200", "100", "0.01"}, 0},
        // In range, but no length can be estimated: the ripple of 0 dB, or a length beyond 65535.
        {{"0", "60", "0.05"}, IDC_RIPPLE},
        {{"200", "100000", "0.000001"}, IDC_TRANSITION},
    };
    for (const auto& c : cases) {
        CLengthEstimateData data;
        const auto failure = ReadLengthEstimate(c.texts, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.texts.strRipple << " " << c.texts.strAttenuation;
    }
    const CLengthEstimateTexts opened = WriteLengthEstimate(CLengthEstimateData());
    EXPECT_EQ(opened.strRipple + opened.strAttenuation + opened.strTransition, "000");
}

TEST(CoefficientText, WritesTheCArrayByteForByte)
{
    CRealArray h(3);
    h[0] = 0.5, h[1] = 1.0, h[2] = 0.25;
    const std::string text = FormatCoefficientText(h);
    EXPECT_EQ(text, "double beta[] =\r\n{\t0.5,\t// 0\r\n\t1,\t// 1\r\n\t0.25\t// 2\r\n};\r\n");
    EXPECT_EQ(text.size(), 56u);
    CRealArray one(1);
    one[0] = 0.5;
    EXPECT_EQ(FormatCoefficientText(one), "double beta[] =\r\n{\t0.5\t// 0\r\n};\r\n");
    EXPECT_EQ(FormatCoefficientText(one).size(), 33u);
    CRealArray odd(2);
    odd[0] = -0.000123456789, odd[1] = 1234567.0;
    EXPECT_EQ(FormatCoefficientText(odd), "double beta[] =\r\n{\t-0.000123457,\t// 0\r\n\t1.23457e+06\t// 1\r\n};\r\n");
    EXPECT_THROW(FormatCoefficientText(CRealArray(0)), std::invalid_argument);
}

TEST(CoefficientText, ReadsNumbersAndItsOwnOutputBack)
{
    CRealArray h(3);
    h[0] = -1.5e-7, h[1] = 0.125, h[2] = 3.0;
    const CRealArray back = ParseCoefficientText(FormatCoefficientText(h));
    ASSERT_EQ(back.GetSize(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(back[i], h[i]);
    const CRealArray plain = ParseCoefficientText("1, 2,3\n 4\t5e-1\n");
    ASSERT_EQ(plain.GetSize(), 5);
    EXPECT_EQ(plain[4], 0.5);
    try {
        ParseCoefficientText("1 2\n3 x 4\n");
        FAIL() << "a word that is not a number was taken";
    } catch (const CoefficientTextError& e) {
        EXPECT_STREQ(e.what(), "line 2, column 3: \"x\" is not a number");
    }
    EXPECT_THROW(ParseCoefficientText("// nothing\n"), CoefficientTextError);
    EXPECT_THROW(ParseCoefficientText("1 nan"), CoefficientTextError);
}
