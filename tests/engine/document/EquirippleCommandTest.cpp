// The equiripple dialog's fields and the document's equiripple command.
#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "EquirippleDialogData.h"
#include "FakeUi.h"
#include "FilterDesign.h"
#include "Resource.h"

#include <gtest/gtest.h>

namespace {

CEquirippleTexts texts(int type, std::array<std::string, 4> edges, const std::string& ripple,
    const std::string& attenuation, const std::string& length)
{
    return {type, std::move(edges), ripple, attenuation, length};
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

TEST_F(EquirippleCommandTest, RefusedDesignIsToldInTheDialogAndLeavesTheDocumentAsItWas)
{
    Design(texts(LowPass, {"0.2", "0.25", "", ""}, "0.1", "60", "4001"));
    ASSERT_EQ(ui.refusals.size(), 1u);
    EXPECT_NE(ui.refusals[0].find("does not converge"), std::string::npos) << ui.refusals[0];
    EXPECT_TRUE(ui.errors.empty());
    EXPECT_EQ(doc.m_pCoef, nullptr);
    EXPECT_EQ(doc.m_nLength, 0);
    EXPECT_EQ(doc.m_dAttenuation, 60.0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
}
