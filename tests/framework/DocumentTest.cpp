#include "CDocument.h"
#include "FileIo.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A document of a few doubles, stored as their count and the values.
class CTestDocument : public CDocument {
public:
    std::vector<double> m_values;
    bool m_bFailStoring = false;

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            if (m_bFailStoring)
                throw std::runtime_error("storing failed");
            ar << static_cast<int32_t>(m_values.size());
            for (double v : m_values)
                ar << v;
            return;
        }
        int32_t count = 0;
        ar >> count;
        if (count < 0)
            throw CArchiveException("negative count");
        std::vector<double> values(static_cast<size_t>(count));
        for (double& v : values)
            ar >> v;
        m_values = values;
    }
};

// Writes to a shared log what each update tells it.
class CLogView : public CView {
public:
    CLogView(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}
    void OnUpdate(CView* pSender, long lHint) override
    {
        m_log.push_back(m_name + " from " + (pSender ? static_cast<CLogView*>(pSender)->m_name : "none") +
            " hint " + std::to_string(lHint));
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class DocumentTest : public testing::Test {
protected:
    TempFolder m_folder;
};

TEST_F(DocumentTest, SaveAndOpenRoundTripWithTitleAndModifiedFlag)
{
    CTestDocument saved;
    EXPECT_EQ(saved.GetTitle(), "Untitled");
    EXPECT_EQ(saved.GetPathName(), "");
    saved.m_values = {1.5, -0.0, 1e-310};
    saved.SetModifiedFlag();
    EXPECT_TRUE(saved.IsModified());

    const std::string path = m_folder / "design.flt";
    saved.OnSaveDocument(path);
    EXPECT_EQ(saved.GetPathName(), path);
    EXPECT_EQ(saved.GetTitle(), "design.flt");
    EXPECT_FALSE(saved.IsModified());

    CTestDocument opened;
    opened.SetModifiedFlag();
    opened.OnOpenDocument(path);
    EXPECT_EQ(opened.m_values, saved.m_values);
    EXPECT_EQ(opened.GetPathName(), path);
    EXPECT_EQ(opened.GetTitle(), "design.flt");
    EXPECT_FALSE(opened.IsModified());

    opened.SetModifiedFlag();
    EXPECT_TRUE(opened.OnNewDocument());
    EXPECT_EQ(opened.GetPathName(), "");
    EXPECT_EQ(opened.GetTitle(), "Untitled");
    EXPECT_FALSE(opened.IsModified());
}

TEST_F(DocumentTest, FailedOpenKeepsNameContentsAndFlag)
{
    CTestDocument doc;
    doc.m_values = {4.0};
    const std::string good = m_folder / "good.flt";
    doc.OnSaveDocument(good);
    doc.SetModifiedFlag();

    const std::string truncated = m_folder / "truncated.flt";
    std::string bytes;
    CArchive ar(bytes, CArchive::store);
    ar << int32_t{3} << 1.0 << 2.0;  // announces three values, holds two
    exchange::WriteFileAtomically(truncated, bytes);

    try {
        doc.OnOpenDocument(truncated);
        FAIL() << "a truncated file was opened";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find(truncated), std::string::npos) << e.what();
    }
    EXPECT_THROW(doc.OnOpenDocument(m_folder / "missing.flt"), exchange::FileError);
    EXPECT_EQ(doc.GetPathName(), good);
    EXPECT_EQ(doc.m_values, std::vector<double>{4.0});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DocumentTest, FailedSaveKeepsTheOldFileAndName)
{
    CTestDocument doc;
    doc.m_values = {1.0, 2.0};
    const std::string path = m_folder / "kept.flt";
    doc.OnSaveDocument(path);
    const std::string before = exchange::ReadFileBytes(path);
    doc.m_values = {3.0};
    doc.SetModifiedFlag();

    doc.m_bFailStoring = true;
    EXPECT_THROW(doc.OnSaveDocument(path), std::runtime_error);
    doc.m_bFailStoring = false;
    EXPECT_THROW(doc.OnSaveDocument(m_folder / "no/such/folder.flt"), exchange::FileError);

    EXPECT_EQ(exchange::ReadFileBytes(path), before);
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(m_folder.Entries(), std::set<std::string>{"kept.flt"});
}

TEST(Document, UpdateAllViewsSkipsTheSenderAndKeepsTheOrder)
{
    std::vector<std::string> log;
    CLogView graph("graph", log), data("data", log), extra("extra", log);
    CTestDocument doc;
    doc.AddView(&graph);
    doc.AddView(&data);
    doc.AddView(&extra);

    doc.UpdateAllViews(nullptr);
    doc.UpdateAllViews(&data, 7);
    doc.RemoveView(&graph);
    doc.UpdateAllViews(&extra, 1);
    const std::vector<std::string> expected = {
        "graph from none hint 0", "data from none hint 0", "extra from none hint 0",
        "graph from data hint 7", "extra from data hint 7",
        "data from extra hint 1",
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(doc.GetViews(), (std::vector<CView*>{&data, &extra}));
}

}  // namespace
