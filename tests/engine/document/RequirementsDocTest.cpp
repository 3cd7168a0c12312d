// The document's requirements: set by every design, kept by other changes of the
// coefficients, edited through their dialog, kept beside the document's file, and the
// design dialogs' search for the shortest filter.
#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "FakeUi.h"
#include "FileIo.h"
#include "FilterDesign.h"
#include "RequirementsFile.h"
#include "Resource.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

class RequirementsDocTest : public ::testing::Test {
protected:
    RequirementsDocTest() { doc.AddView(&view); }

    void Design(int type, const std::string& length, const std::string& low, const std::string& high = "",
        const std::string& attenuation = "60")
    {
        ui.passBandTexts = Typed(type, length, low, high, attenuation);
        doc.OnCmdMsg(ID_TOOL_PASSBAND, nullptr);
    }
    void Estimate(const std::string& ripple, const std::string& attenuation, const std::string& width)
    {
        ui.lengthTexts = {ripple, attenuation, width};
        doc.OnCmdMsg(ID_TOOL_LENGTH, nullptr);
    }
    void State(const CRequirements& r)
    {
        ui.requirementsTyped = r;
        doc.OnCmdMsg(ID_VIEW_REQUIREMENTS, nullptr);
    }
    std::string Path(const std::string& name) { return folder / name; }

    TempFolder folder;
    FakeUi ui;
    CFilterDoc doc{ui};
    CountingView view;
};

void expectNear(const CRequirements& a, const CRequirements& b)
{
    EXPECT_EQ(a.nType, b.nType);
    ASSERT_EQ(a.edges.size(), b.edges.size());
    for (size_t i = 0; i < a.edges.size(); ++i)
        EXPECT_NEAR(a.edges[i], b.edges[i], 1e-12) << i;
    EXPECT_NEAR(a.dRipple, b.dRipple, 1e-12);
    EXPECT_EQ(a.dAttenuation, b.dAttenuation);
}

}  // namespace

TEST_F(RequirementsDocTest, AWindowDesignAimsAtKaisersWidthOrTheLastEstimateOrTheStatedRequirements)
{
    EXPECT_FALSE(doc.m_requirements);
    Design(BandPass, "101", "0.1", "0.3");
    const double kaiser = (60 - 7.95) / 14.36 / 100, ripple = 20 * std::log10((1 + 1e-3) / (1 - 1e-3));
    expectNear(*doc.m_requirements, {BandPass, {0.1 - kaiser / 2, 0.1 + kaiser / 2, 0.3 - kaiser / 2, 0.3 + kaiser / 2}, ripple, 60});
    Estimate("0.5", "70", "0.04");
    Design(LowPass, "101", "0.25", "", "70");
    expectNear(*doc.m_requirements, {LowPass, {0.23, 0.27}, 0.5, 70});
    const std::optional<CRequirements> designed = doc.m_requirements;
    State({HighPass, {0.2, 0.23}, 0.2, 50});
    EXPECT_EQ(ui.requirementsOpenedWith, designed);
    Design(LowPass, "101", "0.25", "", "55");
    expectNear(*doc.m_requirements, {LowPass, {0.235, 0.265}, 0.2, 55});
}

TEST_F(RequirementsDocTest, EquirippleDesignStatesItsFieldsAndOtherChangesKeepThem)
{
    ui.equirippleTexts = [](CEquirippleTexts) { return CEquirippleTexts{BandElimination, {"0.1", "0.15", "0.3", "0.35"}, "0.5", "50", "61"}; };
    doc.OnCmdMsg(ID_TOOL_EQUIRIPPLE, nullptr);
    const CRequirements stated{BandElimination, {0.1, 0.15, 0.3, 0.35}, 0.5, 50};
    EXPECT_EQ(doc.m_requirements, stated);
    doc.SetCoefficients(*doc.m_pCoef);  // Write Data
    EXPECT_EQ(doc.m_requirements, stated);
    exchange::WriteFileAtomically(Path("h.txt"), "0.5 0.5\n");
    ui.importPath = Path("h.txt");
    doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
    EXPECT_EQ(doc.m_pCoef->GetSize(), 2);
    EXPECT_EQ(doc.m_requirements, stated);
    ui.exportChoice.format = ExportFormat::Q15;
    ui.exportPath = Path("q.h");
    doc.OnCmdMsg(ID_FILE_EXPORT_COEF, nullptr);
    EXPECT_EQ(ui.exportRequirements, stated);
    EXPECT_NE(exchange::ReadFileBytes(Path("q.h")).find("// Requirements: Q15: "), std::string::npos);
}

TEST_F(RequirementsDocTest, TheDialogStatesThemMarksTheDocumentAndUpdatesTheViews)
{
    Design(LowPass, "31", "0.25");
    doc.SetModifiedFlag(false);
    const int updates = view.updates;
    ui.confirm = false;
    State({HighPass, {0.2, 0.25}, 1, 40});
    EXPECT_NE(doc.m_requirements->nType, HighPass);
    EXPECT_FALSE(doc.IsModified());
    ui.confirm = true;
    State({HighPass, {0.2, 0.25}, 1, 40});
    EXPECT_EQ(doc.m_requirements, (CRequirements{HighPass, {0.2, 0.25}, 1, 40}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.updates, updates + 1);
    EXPECT_EQ(doc.Measure().requirements, doc.m_requirements);
}

TEST_F(RequirementsDocTest, TheyAreSavedBesideTheDocumentAndDerivedWhereThatFileFails)
{
    Design(LowPass, "31", "0.25");
    State({LowPass, {0.1, 0.3}, 0.3, 33});
    doc.OnSaveDocument(Path("low.flt"));
    EXPECT_EQ(ReadRequirementsFile(Path("low.flt.requirements.json")), doc.m_requirements);
    const double kaiser = (60 - 7.95) / 14.36 / 30;
    const CRequirements derived{LowPass, {0.25 - kaiser / 2, 0.25 + kaiser / 2}, 20 * std::log10((1 + 1e-3) / (1 - 1e-3)), 60};
    const struct {
        std::string file;  // what lies beside the document; "-" for nothing
        bool taken;
        const char* status;
    } cases[] = {
        {FormatRequirementsJson({LowPass, {0.1, 0.3}, 0.3, 33}), true, ""},
        {"-", false, "No requirements beside the document; the requirements were derived from the document's type"},
        {"{\"format\": 1}", false, "The requirements beside the document were not taken (\""},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(Path("low.flt.requirements.json"));
        if (c.file != "-")
            exchange::WriteFileAtomically(Path("low.flt.requirements.json"), c.file);
        FakeUi otherUi;
        CFilterDoc other(otherUi);
        CountingView otherView;
        other.AddView(&otherView);
        other.OnOpenDocument(Path("low.flt"));
        EXPECT_EQ(otherView.updates, 1);
        // An empty status only clears the estimate that stood before the opened coefficients.
        std::vector<std::string>& statuses = otherUi.statuses;
        statuses.erase(std::remove(statuses.begin(), statuses.end(), std::string()), statuses.end());
        if (c.taken) {
            EXPECT_EQ(other.m_requirements, (CRequirements{LowPass, {0.1, 0.3}, 0.3, 33}));
            EXPECT_TRUE(otherUi.statuses.empty());
            continue;
        }
        expectNear(*other.m_requirements, derived);
        ASSERT_EQ(otherUi.statuses.size(), 1u);
        EXPECT_EQ(otherUi.statuses[0].rfind(c.status, 0), 0u) << otherUi.statuses[0];
    }
}

TEST_F(RequirementsDocTest, ShortestButtonsFindTheLengthTheDesignThenTakes)
{
    Estimate("0.1", "60", "0.05");
    ui.askShortest = true;
    Design(LowPass, "", "0.225");
    ASSERT_EQ(ui.shortestAnswers.size(), 1u);
    const int n = ui.shortestAnswers[0].nLength;
    EXPECT_EQ(n % 2, 1);
    EXPECT_EQ(doc.m_pCoef->GetSize(), n);
    EXPECT_TRUE(doc.Measure().MeetsRequirements());
    EXPECT_FALSE(JudgeFilter(DesignPassBand(LowPass, n - 2, 0.225, 0.5, 60).coefficients, *doc.m_requirements).MeetsRequirements());
    EXPECT_EQ(ui.workTitles, std::vector<std::string>{"Shortest filter"});

    ui.equirippleTexts = [](CEquirippleTexts) { return CEquirippleTexts{HighPass, {"0.2", "0.25", "", ""}, "0.1", "60", ""}; };
    doc.OnCmdMsg(ID_TOOL_EQUIRIPPLE, nullptr);
    ASSERT_EQ(ui.shortestAnswers.size(), 2u);
    EXPECT_EQ(doc.m_pCoef->GetSize(), ui.shortestAnswers[1].nLength);
    EXPECT_TRUE(doc.Measure().MeetsRequirements());

    // Without an estimate or stated requirements the window design aims at Kaiser's width
    // for the length typed; without a length it cannot aim at all.
    CFilterDoc fresh(ui);
    ui.passBandTexts = Typed(LowPass, "0", "0.25");
    fresh.OnCmdMsg(ID_TOOL_PASSBAND, nullptr);
    EXPECT_EQ(ui.shortestAnswers.back().nLength, 0);
    EXPECT_EQ(ui.shortestAnswers.back().strWhy.rfind("The search needs the transition width to reach", 0), 0u);
    EXPECT_FALSE(fresh.m_pCoef);
}
