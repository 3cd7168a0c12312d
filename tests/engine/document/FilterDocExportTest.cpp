// The document's export and import commands: what reaches the file, and a refused import
// that leaves the filter as it was.
#include "CFilterDoc.h"
#include "DocTestKit.h"
#include "FakeUi.h"
#include "FileIo.h"
#include "Resource.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

class FilterDocExportTest : public ::testing::Test {
protected:
    FilterDocExportTest()
    {
        CRealArray h(2);
        h[0] = 1.0, h[1] = 2.0;
        doc.SetCoefficients(h);
        doc.SetModifiedFlag(false);
    }

    bool Enabled(int id)
    {
        RecordingCmdUI state;
        doc.OnCmdMsg(id, &state);
        return state.enabled == 1;
    }

    TempFolder folder;
    FakeUi ui;
    CFilterDoc doc{ui};
};

}  // namespace

TEST_F(FilterDocExportTest, ARefusedOrDeclinedImportLeavesTheFilterAsItWas)
{
    exchange::WriteFileAtomically(folder / "bad.txt", "0.5\n0.25 x");
    ui.importPath = folder / "bad.txt";
    doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0], "\"" + folder / "bad.txt" + "\": line 2, column 6: \"x\" is not a number");
    exchange::WriteFileAtomically(folder / "good.csv", "index,coefficient\n0,0.5\n1,0.25\n2,0.125\n");
    ui.importPath = folder / "good.csv";
    ui.confirm = false;
    doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
    EXPECT_EQ(ui.importedCount, 3);
    EXPECT_EQ(doc.m_pCoef->GetSize(), 2);
    EXPECT_FALSE(doc.IsModified());
    ui.confirm = true;
    doc.OnViewAmplitude();
    doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
    ASSERT_EQ(doc.m_pCoef->GetSize(), 3);
    EXPECT_EQ((*doc.m_pCoef)[2], 0.125);
    EXPECT_EQ(doc.m_nDisplay, DisplayImpulse);
    EXPECT_TRUE(doc.IsModified());
    ui.importPath.clear();  // cancelled
    doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
    EXPECT_EQ(ui.errors.size(), 1u);
}

// A file of words is read with the word length it states; one that states none (coe and
// hex of other tools) with the length the user gives when asked, and declining leaves the
// filter as it was without a word. The values are the words' two's-complement integers
// over 2^(bits - 1), times 2^K with K the file's scale shift.
TEST_F(FilterDocExportTest, WordFilesWithoutTheirLengthAreReadWithTheLengthAsked)
{
    const struct {
        const char* name;
        const char* text;
        std::optional<int> given;
        bool asked;
        std::vector<double> read;
    } cases[] = {
        {"plain.hex", "7FF\n800\n", 12, true, {2047.0 / 2048, -1.0}},
        {"plain.coe", "radix=10;\ncoefdata=64,-128;\n", 8, true, {0.5, -1.0}},
        {"ours.hex", "// words of 8 bits, scale shift 1\n40\nC0\n", 16, false, {1.0, -1.0}},
        {"plain.mif", "WIDTH=8;\nDEPTH=2;\nCONTENT BEGIN\n0 : 40;\n1 : 80;\nEND;\n", 16, false, {0.5, -1.0}},
        {"declined.hex", "7FF\n", std::nullopt, true, {0.5, -1.0}},  // as the file before left it
    };
    for (const auto& c : cases) {
        exchange::WriteFileAtomically(folder / c.name, c.text);
        ui.importPath = folder / c.name;
        ui.wordBits = c.given;
        ui.wordBitsAskedFor.clear();
        doc.OnCmdMsg(ID_FILE_IMPORT_COEF, nullptr);
        EXPECT_EQ(ui.wordBitsAskedFor, c.asked ? std::vector<std::string>{ui.importPath} : std::vector<std::string>{}) << c.name;
        ASSERT_TRUE(doc.m_pCoef) << c.name;
        EXPECT_EQ(std::vector<double>(doc.m_pCoef->data(), doc.m_pCoef->data() + doc.m_pCoef->GetSize()), c.read) << c.name;
    }
    EXPECT_EQ(ui.errors, std::vector<std::string>{});
}

TEST_F(FilterDocExportTest, ExportsNeedTheirArrayAndSayWhyAFileWasNotWritten)
{
    EXPECT_TRUE(Enabled(ID_FILE_EXPORT_COEF) && Enabled(ID_FILE_EXPORT_DISPLAY));
    ui.exportChoice = {ExportFormat::DspQ15, 16};
    ui.exportPath = folder / "no/such/folder.h";
    doc.OnCmdMsg(ID_FILE_EXPORT_COEF, nullptr);
    EXPECT_EQ(ui.askedDefaultName, "beta_dsp_q15.h");
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind("The coefficients were not exported: cannot create", 0), 0u) << ui.errors[0];
    EXPECT_TRUE(folder.Entries().empty());
    CFilterDoc empty(ui);
    RecordingCmdUI coefficients, display;
    empty.OnCmdMsg(ID_FILE_EXPORT_COEF, &coefficients);
    empty.OnCmdMsg(ID_FILE_EXPORT_DISPLAY, &display);
    EXPECT_EQ(coefficients.enabled + display.enabled, 0);
}
