#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "FakeUi.h"
#include "FileIo.h"
#include "Resource.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

class FilterDocTest : public ::testing::Test {
protected:
    FilterDocTest() { doc.AddView(&view); }

    void Design(int type, const std::string& length, const std::string& low, const std::string& high = "")
    {
        ui.passBandTexts = Typed(type, length, low, high);
        doc.OnCmdMsg(ID_TOOL_PASSBAND, nullptr);
    }

    int CheckOf(int id)
    {
        RecordingCmdUI state;
        EXPECT_TRUE(doc.OnCmdMsg(id, &state));
        return state.checked;
    }

    TempFolder folder;
    FakeUi ui;
    CFilterDoc doc{ui};
    CountingView view;
};

template <class T>
T fieldAt(const std::string& bytes, size_t offset)
{
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);  // the test machine is little-endian
    return value;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST_F(FilterDocTest, FirstDesignOpensTheDialogWithTheDefaultsAndRefusesLengthZero)
{
    ui.passBandTexts = nullptr;
    doc.OnToolPassband();
    EXPECT_EQ(ui.passBandOpenedWith.strLow, "0");
    EXPECT_EQ(ui.passBandOpenedWith.strLength, "0");
    EXPECT_EQ(ui.passBandOpenedWith.strAttenuation, "60");
    EXPECT_EQ(ui.passBandOpenedWith.strHigh, "");
    EXPECT_EQ(doc.m_pCoef, nullptr);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(FilterDocTest, DesignInstallsCoefficientsAndResetsTheDerivedState)
{
    doc.m_nDisplay = DisplayPhase;
    doc.m_bDecibel = 1;
    Design(LowPass, "31", "0.25");
    EXPECT_EQ(doc.m_nLength, 31);
    EXPECT_EQ(doc.m_pCoef->GetSize(), 31);
    EXPECT_EQ(doc.m_pIdeal->GetSize(), 31);
    EXPECT_EQ(doc.m_pResponse->GetSize(), 124);
    EXPECT_EQ(doc.m_nDisplay, DisplayImpulse);
    EXPECT_EQ(doc.m_pDisplay->GetSize(), 31);
    EXPECT_EQ((*doc.m_pDisplay)[15], (*doc.m_pCoef)[15]);
    EXPECT_EQ(doc.m_bDecibel, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, 1);
    // A high pass keeps the document's upper edge; cancelling changes nothing.
    Design(HighPass, "15", "0.3", "0.1");
    EXPECT_EQ(doc.m_nFilterType, HighPass);
    EXPECT_EQ(doc.m_dHighCutoff, 0.5);
    ui.confirm = false;
    doc.OnToolPassband();
    EXPECT_EQ(doc.m_nLength, 15);
}

TEST_F(FilterDocTest, LengthEstimateIsOfferedByTheNextPassBandDialog)
{
    ui.lengthTexts = {"0.01", "50", "0.1"};
    doc.OnCmdMsg(ID_TOOL_LENGTH, nullptr);
    EXPECT_EQ(doc.m_nLength, 41);
    EXPECT_EQ(doc.m_dAttenuation, 50.0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.updates, 0);
    ui.passBandTexts = nullptr;
    doc.OnToolPassband();
    EXPECT_EQ(ui.passBandOpenedWith.strLength, "41");
    EXPECT_EQ(ui.passBandOpenedWith.strAttenuation, "50");
    EXPECT_EQ(doc.m_pCoef->GetSize(), 41);
}

TEST_F(FilterDocTest, RefusedLengthEstimateSaysWhyAndChangesNothing)
{
    ui.lengthTexts = {"0", "80", "0.05"};
    doc.OnToolLength();
    ASSERT_EQ(ui.refusals.size(), 1u);  // by the dialog, which stays open
    EXPECT_TRUE(ui.statuses.empty());
    EXPECT_EQ(doc.m_nLength, 0);
    EXPECT_EQ(doc.m_dAttenuation, 60.0);
}

TEST_F(FilterDocTest, LengthEstimateIsToldInTheStatusBarAlsoBeyondTheLongestDesign)
{
    ui.lengthTexts = {"0.1", "60", "0.05"};
    doc.OnToolLength();
    ui.lengthTexts = {"0.1", "60", "0.0005"};
    doc.OnToolLength();
    EXPECT_EQ(ui.statuses, std::vector<std::string>({"Estimated length: 73 taps",
        "Estimated length: 7251 taps, more than the 4096 the pass-band design accepts"}));
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(FilterDocTest, DisplaySelectionMovesTheCheckMarkWithOrWithoutAFilter)
{
    doc.OnCmdMsg(ID_VIEW_PHASE, nullptr);
    EXPECT_EQ(CheckOf(ID_VIEW_PHASE), 1);
    EXPECT_EQ(CheckOf(ID_VIEW_IMPULSE), 0);
    EXPECT_EQ(doc.m_pDisplay, nullptr);
    Design(LowPass, "31", "0.25");
    EXPECT_EQ(CheckOf(ID_VIEW_IMPULSE), 1);
    doc.OnViewAmplitude();
    const double linearPeak = doc.m_pDisplay->GetMax();
    doc.OnCmdMsg(ID_VIEW_DB, nullptr);  // redraws the amplitude in dB at once
    EXPECT_EQ(CheckOf(ID_VIEW_DB), 1);
    EXPECT_NEAR(doc.m_pDisplay->GetMax(), 20.0 * std::log10(linearPeak), 1e-12);
    doc.OnViewReal();
    EXPECT_EQ(doc.m_pDisplay->GetSize(), 124);
    const int updates = view.updates;
    doc.OnViewDb();  // not the amplitude: nothing else happens
    EXPECT_EQ(view.updates, updates);
    EXPECT_EQ(doc.m_pDisplay->GetSize(), 124);
    doc.OnViewDb();
    doc.OnViewAmplitude();
    EXPECT_NEAR(doc.m_pDisplay->GetMax(), 20.0 * std::log10(linearPeak), 1e-12);
    EXPECT_FALSE(doc.OnCmdMsg(57643, nullptr));  // the edit commands are nobody's
}

TEST_F(FilterDocTest, SetCoefficientsKeepsTheDesignParameters)
{
    Design(BandPass, "64", "0.1", "0.2");
    const CRealArray ideal = *doc.m_pIdeal;
    CRealArray coef(5);
    coef[2] = 1.0;
    doc.OnNewDocument();
    doc.SetCoefficients(coef);
    EXPECT_EQ(doc.m_nLength, 5);
    EXPECT_EQ(doc.m_pResponse->GetSize(), 20);
    EXPECT_EQ(doc.m_nFilterType, BandPass);
    EXPECT_EQ(doc.m_dLowCutoff, 0.1);
    EXPECT_EQ(doc.m_dHighCutoff, 0.2);
    EXPECT_EQ(doc.m_pIdeal->GetSize(), 64);
    EXPECT_EQ((*doc.m_pIdeal)[32], ideal[32]);
    EXPECT_TRUE(doc.IsModified());
    // Values beyond what the response can hold (the data form writes whatever it shows)
    // are refused and change nothing.
    coef[4] = -1e101;
    doc.SetCoefficients(coef);
    EXPECT_EQ(ui.errors.back(), "The coefficients were not installed: coefficient 4 is beyond \u00b11e+100, "
                                "the largest magnitude a coefficient may have.");
    EXPECT_EQ((*doc.m_pCoef)[4], 0.0);
}

TEST_F(FilterDocTest, NewDocumentKeepsTheFilterAndForgetsNameAndModifiedFlag)
{
    Design(LowPass, "31", "0.25");
    doc.OnSaveDocument(folder / "a.flt");
    doc.OnViewPhase();
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_pCoef->GetSize(), 31);
    EXPECT_EQ(doc.m_nDisplay, DisplayPhase);
}

TEST_F(FilterDocTest, StoresTheDocumentFileFieldByField)
{
    Design(LowPass, "31", "0.25");
    doc.OnSaveDocument(folder / "low.flt");
    const std::string bytes = exchange::ReadFileBytes(folder / "low.flt");
    ASSERT_EQ(bytes.size(), 2532u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x5F\x63\x39\x37\xDD\x9A\xBF\x3F", 8));
    EXPECT_EQ(fieldAt<int32_t>(bytes, 8), 31);
    EXPECT_EQ(fieldAt<int32_t>(bytes, 12), 0);
    EXPECT_EQ(fieldAt<double>(bytes, 16), 0.25);
    EXPECT_EQ(fieldAt<double>(bytes, 24), 0.5);
    EXPECT_EQ(fieldAt<double>(bytes, 32), 60.0);
    EXPECT_EQ(fieldAt<int32_t>(bytes, 40), 31);
    EXPECT_TRUE(sameBits(fieldAt<double>(bytes, 44 + 8 * 7), (*doc.m_pIdeal)[7]));
    EXPECT_EQ(fieldAt<int32_t>(bytes, 292), 31);
    EXPECT_TRUE(sameBits(fieldAt<double>(bytes, 296 + 8 * 30), (*doc.m_pCoef)[30]));
    EXPECT_EQ(fieldAt<int32_t>(bytes, 544), 124);
    EXPECT_TRUE(sameBits(fieldAt<double>(bytes, 548 + 16 * 123 + 8), (*doc.m_pResponse)[123].im));
}

TEST_F(FilterDocTest, LoadRestoresEverythingBitForBit)
{
    Design(BandElimination, "33", "0.1", "0.3");
    doc.OnSaveDocument(folder / "stop.flt");
    FakeUi otherUi;
    CFilterDoc other(otherUi);
    CountingView otherView;
    other.AddView(&otherView);
    other.m_bDecibel = 1;
    other.m_nDisplay = DisplayReal;
    other.OnOpenDocument(folder / "stop.flt");
    EXPECT_EQ(other.m_nLength, 33);
    EXPECT_EQ(other.m_nFilterType, BandElimination);
    EXPECT_EQ(other.m_dLowCutoff, 0.1);
    EXPECT_EQ(other.m_dHighCutoff, 0.3);
    EXPECT_EQ(std::memcmp(other.m_pIdeal->data(), doc.m_pIdeal->data(), 33 * 8), 0);
    EXPECT_EQ(std::memcmp(other.m_pCoef->data(), doc.m_pCoef->data(), 33 * 8), 0);
    EXPECT_EQ(std::memcmp(other.m_pResponse->data(), doc.m_pResponse->data(), 132 * 16), 0);
    EXPECT_EQ(other.m_nDisplay, DisplayImpulse);
    EXPECT_EQ(other.m_pDisplay->GetSize(), 33);
    EXPECT_EQ(other.m_bDecibel, 1);
    EXPECT_EQ(other.m_pRoots, nullptr);
    EXPECT_FALSE(other.IsModified());
    EXPECT_EQ(other.GetTitle(), "stop.flt");
    EXPECT_EQ(otherView.updates, 1);
}

TEST_F(FilterDocTest, RefusesDamagedFilesAndKeepsThePreviousDocument)
{
    Design(LowPass, "31", "0.25");
    doc.OnSaveDocument(folder / "good.flt");
    const std::string good = exchange::ReadFileBytes(folder / "good.flt");
    const auto withInt = [&](size_t offset, int32_t value) {
        std::string bytes = good;
        std::memcpy(&bytes[offset], &value, sizeof value);
        return bytes;
    };
    std::string flippedMarker = good;
    flippedMarker[0] ^= 1;
    const struct {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {flippedMarker, "not a filter document"},
        {withInt(40, -1), "negative"},
        {withInt(292, 100000), "takes at most 65535"},
        {withInt(292, 1000), "larger than the rest"},
        {withInt(544, 125), "larger than the rest"},
        {good.substr(0, 5), "ends early"},
        {good.substr(0, 30), "ends early"},
        {good.substr(0, 2531), "larger than the rest"},
        {"", "ends early"},
    };
    Design(HighPass, "9", "0.2");
    doc.OnSaveDocument(folder / "current.flt");
    for (const auto& c : cases) {
        exchange::WriteFileAtomically(folder / "bad.flt", c.bytes);
        try {
            doc.OnOpenDocument(folder / "bad.flt");
            ADD_FAILURE() << "accepted a file refused for: " << c.reason;
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("bad.flt"), std::string::npos) << e.what();
        }
        EXPECT_EQ(doc.GetTitle(), "current.flt");
        EXPECT_EQ(doc.m_pCoef->GetSize(), 9);
        EXPECT_EQ(doc.m_nFilterType, HighPass);
    }
}

TEST_F(FilterDocTest, ValuesThatAreNotFiniteAreNeverSaved)
{
    // No command makes such a response (coefficients are held to kMaxCoefficientMagnitude);
    // the save refuses it all the same.
    doc.SetCoefficients(CRealArray(2));
    (*doc.m_pResponse)[0] = CComplex(INFINITY, 0.0);
    exchange::WriteFileAtomically(folder / "kept.flt", "kept");
    try {
        doc.OnSaveDocument(folder / "kept.flt");
        FAIL() << "an infinite response was saved";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(std::string(e.what()), "cannot write \"" + folder / "kept.flt"
            + "\": element 0 of the response is not finite; a document holds finite values only");
    }
    EXPECT_EQ(exchange::ReadFileBytes(folder / "kept.flt"), "kept");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FilterDocTest, SavesAndLoadsADocumentWithoutAFilter)
{
    doc.OnSaveDocument(folder / "empty.flt");
    EXPECT_EQ(exchange::ReadFileBytes(folder / "empty.flt").size(), 52u);
    doc.OnOpenDocument(folder / "empty.flt");
    ASSERT_NE(doc.m_pCoef, nullptr);
    EXPECT_EQ(doc.m_pCoef->GetSize(), 0);
    EXPECT_EQ(doc.m_pDisplay->GetSize(), 0);
}

TEST_F(FilterDocTest, TextExportWritesTheFileOrSaysWhyNot)
{
    RecordingCmdUI state;
    doc.OnCmdMsg(ID_FILE_SAVETEXT, &state);
    EXPECT_EQ(state.enabled, 0);
    Design(LowPass, "3", "0.25");
    doc.OnCmdMsg(ID_FILE_SAVETEXT, &state);
    EXPECT_EQ(state.enabled, 1);
    exchange::WriteFileAtomically(folder / "beta.txt", "keep");
    doc.OnFileSaveText();  // cancelled: no path
    EXPECT_EQ(ui.askedDefaultName, "beta.txt");
    EXPECT_EQ(exchange::ReadFileBytes(folder / "beta.txt"), "keep");
    ui.exportPath = folder / "beta.txt";
    doc.OnFileSaveText();
    EXPECT_EQ(exchange::ReadFileBytes(folder / "beta.txt").rfind("double beta[] =\r\n{\t", 0), 0u);
    ui.exportPath = folder / "missing/beta.txt";
    doc.OnFileSaveText();
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("missing/beta.txt"), std::string::npos);
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"beta.txt"});
    doc.SetCoefficients(CRealArray(0));
    doc.OnFileSaveText();
    EXPECT_EQ(ui.errors.size(), 2u);
}

TEST_F(FilterDocTest, GroupDelayAndStepDisplaysComeFromTheCoefficients)
{
    doc.OnCmdMsg(ID_VIEW_STEP, nullptr);
    EXPECT_EQ(CheckOf(ID_VIEW_STEP), 1);
    EXPECT_EQ(doc.m_pDisplay, nullptr);
    Design(LowPass, "31", "0.25");
    doc.OnCmdMsg(ID_VIEW_GROUPDELAY, nullptr);
    EXPECT_EQ(CheckOf(ID_VIEW_GROUPDELAY), 1);
    EXPECT_EQ(CheckOf(ID_VIEW_STEP), 0);
    ASSERT_EQ(doc.m_pDisplay->GetSize(), 62);
    EXPECT_NEAR((*doc.m_pDisplay)[0], 15.0, 1e-9);
    EXPECT_EQ(doc.GetDisplaySpacing(), 1.0 / 124);
    doc.OnCmdMsg(ID_VIEW_STEP, nullptr);
    EXPECT_EQ(doc.m_pDisplay->GetSize(), 31);
    EXPECT_EQ(doc.GetDisplaySpacing(), 1.0);
}

TEST_F(FilterDocTest, PropertiesKnowTheDesignOnlyOfCoefficientsDesignedHere)
{
    RecordingCmdUI state;
    doc.OnCmdMsg(ID_VIEW_PROPERTIES, &state);
    EXPECT_EQ(state.enabled, 0);
    Design(BandPass, "41", "0.1", "0.3");
    doc.OnCmdMsg(ID_VIEW_PROPERTIES, &state);
    EXPECT_EQ(state.enabled, 1);
    doc.OnCmdMsg(ID_VIEW_PROPERTIES, nullptr);
    doc.OnSaveDocument(folder / "band.flt");
    doc.OnOpenDocument(folder / "band.flt");
    doc.OnViewProperties();
    Design(LowPass, "31", "0.25");
    doc.SetCoefficients(*doc.m_pCoef);
    doc.OnViewProperties();
    ASSERT_EQ(ui.measurements.size(), 3u);
    const CDesignRecord& designed = ui.measurements[0].design;
    EXPECT_EQ(designed.nMethod, DesignKaiser);
    EXPECT_EQ(designed.nType, BandPass);
    EXPECT_EQ(designed.dHigh, 0.3);
    EXPECT_EQ(ui.measurements[0].nLength, 41);
    EXPECT_EQ(ui.measurements[1].design.nMethod, DesignNone);  // loaded
    EXPECT_EQ(ui.measurements[2].design.nMethod, DesignNone);  // written
    EXPECT_EQ(ui.measurements[2].nLength, 31);
}
