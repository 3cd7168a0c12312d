#include "CZeroplotDoc.h"
#include "Resource.h"
#include "ViewerTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Records what an update handler sets.
class RecordingCmdUI : public CCmdUI {
public:
    void Enable(bool on) override { enabled = on; }
    void SetCheck(int check) override { checked = check; }
    bool enabled = true;
    int checked = -1;
};

class CountingView : public CView {
public:
    void OnUpdate(CView*, long) override { ++updates; }
    int updates = 0;
};

TEST(ZeroplotDoc, WithoutRootFileHoldsNoZeros)
{
    WorkFolder folder;
    CZeroplotDoc doc;
    EXPECT_EQ(doc.m_pRoots, nullptr);
    EXPECT_EQ(doc.m_nRoots, 0);
    EXPECT_EQ(doc.m_bShowAll, 0);
}

TEST(ZeroplotDoc, UnreadableOrCountlessFilesHoldNoZeros)
{
    WorkFolder folder;
    std::filesystem::create_directory(folder / "root.bin");
    EXPECT_EQ(CZeroplotDoc().m_pRoots, nullptr);

    std::filesystem::remove(folder / "root.bin");
    folder.WriteRootFile(std::string(1, '\x02'));
    CZeroplotDoc oneByte;
    EXPECT_EQ(oneByte.m_pRoots, nullptr);
    EXPECT_EQ(oneByte.m_nRoots, 0);
}

TEST(ZeroplotDoc, CountZeroGivesAnEmptyArray)
{
    WorkFolder folder;
    folder.WriteRootFile(RootFileBytes({}));
    CZeroplotDoc doc;
    ASSERT_NE(doc.m_pRoots, nullptr);
    EXPECT_EQ(doc.m_pRoots->GetSize(), 0);
    EXPECT_EQ(doc.m_nRoots, 0);
}

TEST(ZeroplotDoc, TwoZerosReadBackBitForBit)
{
    WorkFolder folder;
    const double tiny = std::numeric_limits<double>::denorm_min();
    folder.WriteRootFile(RootFileBytes({{0.5, 0.5}, {0.5, -0.5}}));
    CZeroplotDoc doc;
    ASSERT_NE(doc.m_pRoots, nullptr);
    ASSERT_EQ(doc.m_nRoots, 2);
    ASSERT_EQ(doc.m_pRoots->GetSize(), 2);
    EXPECT_TRUE(SameBits((*doc.m_pRoots)[0].re, 0.5));
    EXPECT_TRUE(SameBits((*doc.m_pRoots)[0].im, 0.5));
    EXPECT_TRUE(SameBits((*doc.m_pRoots)[1].re, 0.5));
    EXPECT_TRUE(SameBits((*doc.m_pRoots)[1].im, -0.5));

    folder.WriteRootFile(RootFileBytes({{-0.0, tiny}, {0.1, -1e300}}));
    CZeroplotDoc odd;
    EXPECT_TRUE(SameBits((*odd.m_pRoots)[0].re, -0.0));
    EXPECT_TRUE(SameBits((*odd.m_pRoots)[0].im, tiny));
    EXPECT_TRUE(SameBits((*odd.m_pRoots)[1].re, 0.1));
    EXPECT_TRUE(SameBits((*odd.m_pRoots)[1].im, -1e300));
}

TEST(ZeroplotDoc, ReadsOnlyTheCountedRecords)
{
    WorkFolder folder;
    folder.WriteRootFile(RootFileBytes(1, {{0.25, -0.75}, {9.0, 9.0}}) + "trailing bytes");
    CZeroplotDoc doc;
    ASSERT_EQ(doc.m_nRoots, 1);
    ASSERT_EQ(doc.m_pRoots->GetSize(), 1);
    EXPECT_EQ((*doc.m_pRoots)[0].re, 0.25);
    EXPECT_EQ((*doc.m_pRoots)[0].im, -0.75);
}

TEST(ZeroplotDoc, ShortFileKeepsItsCountAndLeavesTheMissingRecordsUndrawable)
{
    WorkFolder folder;
    const std::string whole = RootFileBytes(3, {{0.5, 0.25}, {-2.0, 1.0}});
    folder.WriteRootFile(whole.substr(0, whole.size() - 4));
    CZeroplotDoc doc;
    ASSERT_EQ(doc.m_nRoots, 3);
    ASSERT_EQ(doc.m_pRoots->GetSize(), 3);
    EXPECT_EQ((*doc.m_pRoots)[0].re, 0.5);
    EXPECT_EQ((*doc.m_pRoots)[0].im, 0.25);
    for (int i = 1; i < 3; ++i)  // not false zeros at the origin
        EXPECT_TRUE(std::isnan((*doc.m_pRoots)[i].re) && std::isnan((*doc.m_pRoots)[i].im)) << i;
}

TEST(ZeroplotDoc, ZerosAreReadOnceAtConstruction)
{
    WorkFolder folder;
    folder.WriteRootFile(RootFileBytes({{0.5, 0.5}}));
    CZeroplotDoc doc;
    folder.WriteRootFile(RootFileBytes({{1.0, 0.0}, {2.0, 0.0}}));
    doc.m_bShowAll = 1;
    EXPECT_TRUE(doc.OnNewDocument());
    ASSERT_EQ(doc.m_nRoots, 1);
    EXPECT_EQ((*doc.m_pRoots)[0].re, 0.5);
    EXPECT_EQ(doc.m_bShowAll, 1);
}

TEST(ZeroplotDoc, OpenAndSaveLeaveTheZerosAndWriteAnEmptyFile)
{
    WorkFolder folder;
    folder.WriteRootFile(RootFileBytes({{0.5, 0.5}}));
    CZeroplotDoc doc;
    doc.OnSaveDocument(folder / "saved");
    EXPECT_EQ(std::filesystem::file_size(folder / "saved"), 0u);
    doc.OnOpenDocument(folder / "root.bin");
    EXPECT_EQ(doc.GetTitle(), "root.bin");
    EXPECT_EQ(doc.m_nRoots, 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST(ZeroplotDoc, ShowAllTogglesRedrawsAndCarriesTheCheckMark)
{
    WorkFolder folder;
    CZeroplotDoc doc;
    CountingView view;
    doc.AddView(&view);
    RecordingCmdUI ui;
    for (int expected : {1, 0, 1}) {
        ASSERT_TRUE(doc.OnCmdMsg(ID_VIEW_SHOWALL, nullptr));
        EXPECT_EQ(doc.m_bShowAll, expected);
        ASSERT_TRUE(doc.OnCmdMsg(ID_VIEW_SHOWALL, &ui));
        EXPECT_EQ(ui.checked, expected);
        EXPECT_TRUE(ui.enabled);
    }
    EXPECT_EQ(view.updates, 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.OnCmdMsg(ID_VIEW_SHOWALL + 1, nullptr));
}

}  // namespace
