// The equiripple dialog's fields and the document's equiripple command.
#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "EquirippleDialogData.h"
#include "FakeUi.h"
#include "FilterDesign.h"
#include "MeasurementReport.h"
#include "Resource.h"

#include <gtest/gtest.h>

namespace {

CEquirippleTexts texts(int type, std::array<std::string, 4> edges, const std::string& ripple,
    const std::string& attenuation, const std::string& length)
{
    return {type, std::move(edges), ripple, attenuation, length, ""};
}

class EquirippleCommandTest : public ::testing::Test {
protected:
    EquirippleCommandTest() { doc.AddView(&view); }
    void Design(const CEquirippleTexts& typed)
    {
        ui.equirippleTexts = [typed](CEquirippleTexts) { return typed; };
        doc.OnCmdMsg(ID_TOOL_EQUIRIPPLE, nullptr);
    }

    FakeUi ui;
    CFilterDoc doc{ui};
    CountingView view;
};

}  // namespace

TEST(EquirippleDialogData, ChecksTheFieldsInExchangeOrder)
{
    const struct {
        CEquirippleTexts texts;
        int failingControl;  // 0: accepted
        const char* message;
    } cases[] = {
        {texts(LowPass, {"0.2", "0.25", "x", ""}, "0.1", "60", "31"), 0, ""},
        {texts(LowPass, {"0", "0.25", "", ""}, "nan", "0", "0"), IDC_EDGE1, "Please enter a number greater than 0 and less than 0.5."},
        {texts(HighPass, {"0.3", "0.3", "", ""}, "0.1", "60", "31"), IDC_EDGE2, "Please enter a number greater than 0.3 and less than 0.5."},
        {texts(BandPass, {"0.1", "0.2", "0.3", "0.5"}, "0.1", "60", "31"), IDC_EDGE4, "Please enter a number greater than 0.3 and less than 0.5."},
        {texts(LowPass, {"0.2", "0.25", "", ""}, "0", "60", "31"), IDC_RIPPLE, "Please enter a number between 1e-05 and 100."},
        {texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "301", "31"), IDC_ATTENUATION, "Please enter a number between 1 and 300."},
        {texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "60", "4097"), IDC_LENGTH, "Please enter an integer between 1 and 4096."},
        {texts(BandElimination, {"0.1", "0.2", "0.3", "0.4"}, "0.1", "60", "64"), IDC_LENGTH,
            "An even length cannot give a band elimination filter: its response is zero at half the sampling frequency. Use an odd length, such as 65."},
    };
    for (const auto& c : cases) {
        CEquirippleData data;
        const auto failure = ReadEquiripple(c.texts, 0.0, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl) << c.message;
        EXPECT_EQ(failure ? failure->strMessage : "", c.message);
    }
}

TEST(EquirippleDialogData, ShowsAndReadsBandEdgesInHzWhenASampleRateIsSet)
{
    CEquirippleData data;
    data.m_dEdges = {0.2, 0.25, 0.3, 0.35};
    const CEquirippleTexts shown = WriteEquiripple(data, 48000.0);
    EXPECT_EQ(shown.strEdges[0], "9600");
    EXPECT_EQ(shown.strEdges[3], "16800");
    CEquirippleData read;
    CEquirippleTexts typed = texts(BandPass, {"4800", "6000", "12000", "13200"}, "0.5", "50", "61");
    EXPECT_FALSE(ReadEquiripple(typed, 48000.0, read));
    EXPECT_EQ(read.m_dEdges[0], 0.1);
    EXPECT_EQ(read.m_dEdges[3], 0.275);
    typed.strEdges[3] = "24000";
    const auto failure = ReadEquiripple(typed, 48000.0, read);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->strMessage, "Please enter a number greater than 12000 and less than 24000.");
    EXPECT_FALSE(EquirippleEstimateOf(texts(LowPass, {"0.2", "", "", ""}, "0.1", "60", ""), 0.0));
}

TEST(EquirippleDialogData, BandWeightsReplaceThoseOfRippleAndAttenuationOrStayEmpty)
{
    const struct {
        int type;
        const char* typed;
        std::vector<double> weights;
        const char* written;  // nullptr: refused, for want of `count` weights
        int count;
    } cases[] = {
        {LowPass, "1,30", {1.0, 30.0}, "1,30", 2}, {BandPass, "3, 1,10", {3.0, 1.0, 10.0}, "3,1,10", 3},
        {HighPass, "", {}, "", 2}, {LowPass, "  ", {}, "", 2}, {BandPass, "1,30", {}, nullptr, 3},
        {LowPass, "1,0", {}, nullptr, 2}, {LowPass, "1,x", {}, nullptr, 2}, {BandElimination, "1,,2", {}, nullptr, 3},
        {LowPass, "1,2e6", {}, nullptr, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CEquirippleTexts typed = texts(c.type, {"0.1", "0.15", "0.3", "0.35"}, "0.5", "40", "61");
        typed.strWeights = c.typed;
        CEquirippleData data;
        const auto failure = ReadEquiripple(typed, 0.0, data);
        if (c.written) {
            ASSERT_FALSE(failure) << failure->strMessage;
            EXPECT_EQ(EquirippleRequestOf(data).weights, c.weights);
            EXPECT_EQ(WriteEquiripple(data, 0.0).strWeights, c.written);
        } else {
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->nControl, IDC_WEIGHTS);
            EXPECT_EQ(failure->strMessage, "Please enter " + std::to_string(c.count) + " weights, one for each band, from 1e-06 "
                "to 1e+06 and separated by commas, or nothing for the weights of ripple and attenuation.");
        }
    }
}

TEST_F(EquirippleCommandTest, InstallsTheDesignAsThePassBandDesignInstallsItsOwn)
{
    const CEquirippleTexts typed = texts(BandPass, {"0.1", "0.15", "0.3", "0.35"}, "0.5", "40", "61");
    Design(typed);
    ASSERT_TRUE(doc.m_pCoef);
    CEquirippleData data;
    ASSERT_FALSE(ReadEquiripple(typed, 0.0, data));
    const CRealArray expected = DesignEquiripple(EquirippleRequestOf(data)).coefficients;
    for (int i = 0; i < 61; ++i)
        EXPECT_EQ((*doc.m_pCoef)[i], expected[i]) << i;
    EXPECT_EQ(doc.m_nFilterType, BandPass);
    EXPECT_EQ(doc.m_nLength, 61);
    EXPECT_EQ(doc.m_dLowCutoff, 0.125);
    EXPECT_DOUBLE_EQ(doc.m_dHighCutoff, 0.325);
    EXPECT_EQ(doc.m_dAttenuation, 40.0);
    const CRealArray ideal = DesignPassBand(BandPass, 61, 0.125, doc.m_dHighCutoff, 40.0).ideal;
    EXPECT_EQ((*doc.m_pIdeal)[30], ideal[30]);
    EXPECT_EQ(doc.m_pResponse->GetSize(), 244);
    EXPECT_EQ(doc.m_nDisplay, DisplayImpulse);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    // The next dialog opens as this one was confirmed, with the document's length and attenuation.
    doc.m_nLength = 77;
    ui.confirm = false;
    doc.OnToolEquiripple();
    EXPECT_EQ(ui.equirippleOpenedWith.nType, BandPass);
    EXPECT_EQ(ui.equirippleOpenedWith.strEdges[2], "0.3");
    EXPECT_EQ(ui.equirippleOpenedWith.strRipple, "0.5");
    EXPECT_EQ(ui.equirippleOpenedWith.strLength, "77");
    EXPECT_EQ(ui.equirippleOpenedWith.strAttenuation, "40");
}

TEST_F(EquirippleCommandTest, DesignBelowWhatDoubleCoefficientsHoldIsInstalledAtThatFloor)
{
    Design(texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "60", "4001"));
    EXPECT_TRUE(ui.errors.empty());
    ASSERT_NE(doc.m_pCoef, nullptr);
    EXPECT_EQ(doc.m_nLength, 4001);
    EXPECT_TRUE(doc.IsModified());
    // The measurements say where the design stopped, and only while the design stands.
    const auto floorLine = [this] {
        for (const CReportLine& line : MeasurementReport(doc.Measure(), 0.0))
            if (line.strName == "design error")
                return line.strValue;
        return std::string();
    };
    EXPECT_EQ(floorLine().rfind("at the rounding floor", 0), 0u) << floorLine();
    Design(texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "60", "61"));
    EXPECT_EQ(floorLine(), "");
}

TEST(EquirippleDialogData, ReadsTheBandsOfMultibandFiltersAndDifferentiatorsAndTheEdgesOfTheOthers)
{
    const std::string bandsRule = "Please enter 1 to 6 bands separated by ';', each as F1,F2,GAIN or F1,F2,GAIN,WEIGHT: "
                                  "edges from 0 to %1 with F1 below F2, each band starting above the end of the one "
                                  "before, a gain of size at most 1e+06 and a weight from 1e-06 to 1e+06.";
    const auto rule = [&](const char* half) { return bandsRule.substr(0, bandsRule.find("%1")) + half + bandsRule.substr(bandsRule.find("%1") + 2); };
    const struct {
        int type;
        std::array<std::string, 4> edges;
        const char* bands;
        double rate;
        int failingControl;  // 0: accepted
        std::string message;
        std::vector<CEquirippleBand> read;
    } cases[] = {
        {Multiband, {"", "", "", ""}, "0,0.1,1; 0.15,0.3,-0.5,10;0.35,0.5,0", 0.0, 0, "",
            {{0.0, 0.1, 1.0, 1.0}, {0.15, 0.3, -0.5, 10.0}, {0.35, 0.5, 0.0, 1.0}}},
        {Differentiator, {"", "", "", ""}, "0,9600,2", 48000.0, 0, "", {{0.0, 0.2, 2.0, 1.0}}},
        {Multiband, {"", "", "", ""}, "", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Multiband, {"", "", "", ""}, "0,0.2,1;0.2,0.5,0", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Multiband, {"", "", "", ""}, "0,0.2,1;x", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Differentiator, {"", "", "", ""}, "0,0.2", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Differentiator, {"", "", "", ""}, "0,24001,1", 48000.0, IDC_BANDS, rule("24000"), {}},
        {Multiband, {"", "", "", ""}, "0,0.2,1,0", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Multiband, {"", "", "", ""}, "0,0.2,2e6", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Multiband, {"", "", "", ""},
            "0,0.05,1;0.06,0.1,0;0.11,0.15,1;0.16,0.2,0;0.21,0.25,1;0.26,0.3,0;0.31,0.5,1", 0.0, IDC_BANDS, rule("0.5"), {}},
        {Hilbert, {"0.05", "0.5", "", ""}, "x", 0.0, 0, "", {}},
        {Hilbert, {"0.05", "0.51", "", ""}, "", 0.0, IDC_EDGE2, "Please enter a number greater than 0.05 and at most 0.5.", {}},
        {HalfBand, {"0.2", "x", "", ""}, "", 0.0, IDC_LENGTH,
            "A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use 31 or 35.", {}},
        {HalfBand, {"12000", "", "", ""}, "", 48000.0, IDC_EDGE1, "Please enter a number greater than 0 and less than 12000.", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bands);
        CEquirippleTexts typed = texts(c.type, c.edges, "0.1", "60", "32");
        typed.strBands = c.bands;
        CEquirippleData data;
        const auto failure = ReadEquiripple(typed, c.rate, data);
        EXPECT_EQ(failure ? failure->nControl : 0, c.failingControl);
        EXPECT_EQ(failure ? failure->strMessage : "", c.message);
        if (!failure && EquirippleTakesBands(c.type)) {
            EXPECT_EQ(EquirippleRequestOf(data).bands, c.read);
            EXPECT_FALSE(ReadEquiripple(WriteEquiripple(data, c.rate), c.rate, data));
            EXPECT_EQ(EquirippleRequestOf(data).bands, c.read);
        }
    }
}

TEST(EquirippleDialogData, TypesWithoutBandWeightsRefuseThemAndKeepThoseOfTheOthers)
{
    CEquirippleData data;
    CEquirippleTexts typed = texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "60", "31");
    typed.strWeights = "1,30";
    ASSERT_FALSE(ReadEquiripple(typed, 0.0, data));
    typed.nType = Hilbert;
    typed.strLength = "32";
    const auto failure = ReadEquiripple(typed, 0.0, data);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->nControl, IDC_WEIGHTS);
    typed.strWeights.clear();
    ASSERT_FALSE(ReadEquiripple(typed, 0.0, data));
    EXPECT_TRUE(EquirippleRequestOf(data).weights.empty());
    EXPECT_EQ(data.m_weights, (std::vector<double>{1.0, 30.0}));
    EXPECT_EQ(ReadEquiripple(texts(Hilbert, {"0.05", "0.5", "", ""}, "0.1", "60", "31"), 0.0, data)->strMessage,
        "An odd length gives an antisymmetric filter that is zero at half the sampling frequency, where its band "
        "reaches. Use an even length, such as 32.");
}

TEST_F(EquirippleCommandTest, TheTypesOnlyThisDesignMakesAreInstalledWithTheirRequirements)
{
    const struct {
        int type;
        std::array<std::string, 4> edges;
        const char* bands;
        const char* length;
        int storedType;
        double low, high;
        CRequirements requirements;
    } cases[] = {
        {Multiband, {"", "", "", ""}, "0.05,0.1,1;0.15,0.3,0;0.35,0.45,0.5", "61", BandPass, 0.05, 0.45,
            {Multiband, {0.05, 0.1, 0.15, 0.3, 0.35, 0.45}, 0.1, 60.0, {1.0, 0.0, 0.5}}},
        {Differentiator, {"", "", "", ""}, "0,0.4,2", "30", BandPass, 0.0, 0.4, {Differentiator, {0.0, 0.4}, 0.1, 60.0, {2.0}}},
        {Hilbert, {"0.05", "0.45", "", ""}, "", "31", BandPass, 0.05, 0.45, {Hilbert, {0.05, 0.45}, 0.1, 60.0, {1.0}}},
        {HalfBand, {"0.2", "", "", ""}, "", "39", LowPass, 0.25, 0.5, {LowPass, {0.2, 0.3}, 0.1, 60.0, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        CEquirippleTexts typed = texts(c.type, c.edges, "0.1", "60", c.length);
        typed.strBands = c.bands;
        Design(typed);
        CEquirippleData data;
        ASSERT_FALSE(ReadEquiripple(typed, 0.0, data));
        const CRealArray expected = DesignEquiripple(EquirippleRequestOf(data)).coefficients;
        ASSERT_TRUE(doc.m_pCoef);
        ASSERT_EQ(doc.m_pCoef->GetSize(), expected.GetSize());
        for (int i = 0; i < expected.GetSize(); ++i)
            EXPECT_EQ((*doc.m_pCoef)[i], expected[i]) << i;
        EXPECT_EQ(doc.m_nFilterType, c.storedType);
        EXPECT_EQ(doc.m_dLowCutoff, c.low);
        if (c.storedType == BandPass) {
            EXPECT_EQ(doc.m_dHighCutoff, c.high);
        }
        EXPECT_EQ(doc.m_pIdeal->GetSize(), c.type == HalfBand ? expected.GetSize() : 0);
        EXPECT_EQ(doc.m_requirements, c.requirements);
        EXPECT_EQ(doc.GetDesignRecord().nType, c.type);
        EXPECT_EQ(doc.GetDesignRecord().nMethod, DesignMinimax);
        EXPECT_TRUE(doc.Measure().MeetsRequirements() || c.type == Multiband) << FormatReport(MeasurementReport(doc.Measure(), 0.0));
    }
    const CRealArray ideal = DesignPassBand(LowPass, 39, 0.25, 0.5, 60.0).ideal;
    EXPECT_EQ((*doc.m_pIdeal)[14], ideal[14]);
}
