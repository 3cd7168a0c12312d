// The workbench started as the program starts it, in the language of the locale this test
// program runs under: CTest runs it once with LANGUAGE=en and once with LANG=C.
#include "WorkbenchCommandLine.h"
#include "WorkbenchTestSupport.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

namespace {

// What the user meets first: the menus, the pass-band dialog and its refusal of a length.
struct CFirstTexts {
    QStringList menuTitles;
    QStringList toolItems;
    QString strWindowTitle;
    QString strDialogTitle;
    QString strCancel;
    QString strRefusal;
};

class SystemLanguage : public WorkbenchTest {
protected:
    void SetUp() override
    {
        TestApplication();
        const CWorkbenchCommandLine line = ReadWorkbenchCommandLine({"filter"}, QLocale::system().uiLanguages());
        ASSERT_TRUE(line.strError.isEmpty()) << line.strError.toStdString();
        m_language = line.language;
        WorkbenchTest::SetUp();
    }

    CFirstTexts FirstTexts()
    {
        CFirstTexts texts;
        for (QAction* menu : Frame().menuBar()->actions())
            texts.menuTitles << menu->text();
        for (QAction* item : Frame().menuBar()->actions().at(2)->menu()->actions())
            texts.toolItems << item->text();
        texts.strWindowTitle = Frame().windowTitle();
        CModalWatch<CPassBandDlg> answer([&texts](CPassBandDlg* dialog) {
            texts.strDialogTitle = dialog->windowTitle();
            texts.strCancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
            dialog->GetEdit(IDC_LENGTH)->setText("0");
            CMessageWatch refusal;
            dialog->accept();
            texts.strRefusal = refusal.Text();
            dialog->reject();
        });
        Run(ID_TOOL_PASSBAND);
        return texts;
    }

    WorkbenchLanguage m_language = WorkbenchLanguage::English;
};

using EnglishLocale = SystemLanguage;
using CLocale = SystemLanguage;

}  // namespace

TEST_F(EnglishLocale, ShowsTheWorkbenchInEnglish)
{
    ASSERT_EQ(m_language, WorkbenchLanguage::English);
    const CFirstTexts texts = FirstTexts();
    EXPECT_EQ(texts.menuTitles, QStringList({"&File", "&View", "&Tools", "&Help"}));
    EXPECT_EQ(texts.toolItems,
        QStringList({"Estimate Filter &Length...", "Design &Filter by Pass Band...", "&Equiripple Design...",
            "Convert to &Minimum Phase"}));
    EXPECT_EQ(texts.strWindowTitle, "Untitled - Filter");
    EXPECT_EQ(texts.strDialogTitle, "Designating Pass Band");
    EXPECT_EQ(texts.strCancel, "Cancel");
    EXPECT_EQ(texts.strRefusal, "Filter Length: Please enter an integer between 1 and 4096.");
}

TEST_F(CLocale, ShowsTheOriginalJapaneseWorkbench)
{
    ASSERT_EQ(m_language, WorkbenchLanguage::Japanese);
    const CFirstTexts texts = FirstTexts();
    EXPECT_EQ(texts.menuTitles, QStringList({"ﾌｧｲﾙ(&F)", "表示(&V)", "ﾂｰﾙ(&T)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_EQ(texts.toolItems,
        QStringList({"ﾌｨﾙﾀ長の推定(&L)...", "通過帯域の指定(&F)...", "等リップル設計(&E)...", "最小位相化(&M)"}));
    EXPECT_EQ(texts.strWindowTitle, "無題 - Filter");
    EXPECT_EQ(texts.strDialogTitle, "Designating Pass Band");
    EXPECT_EQ(texts.strCancel, "ｷｬﾝｾﾙ");
    EXPECT_EQ(texts.strRefusal, "Filter Length：1 から 4096 までの整数を入力してください。");
}
