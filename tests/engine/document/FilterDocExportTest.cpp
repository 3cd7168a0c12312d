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
