// The workbench in both languages: the translation files are whole and match the code,
// menus keep their mnemonics and accelerators, and the language follows the user's.
#include "CRequirementsDlg.h"
#include "CVerdictPane.h"
#include "RunProgram.h"
#include "TempFolder.h"
#include "WorkbenchCommandLine.h"
#include "WorkbenchLanguage.h"
#include "CEquirippleDlg.h"
#include "CExportDlg.h"
#include "WorkbenchTestSupport.h"

#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <fstream>
#include <map>
#include <new>
#include <set>

namespace {

// One message of a .ts file.
struct CTsMessage {
    QString strContext, strSource, strComment, strTranslation, strType;
};

std::vector<CTsMessage> readTs(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<CTsMessage> messages;
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, {}, {}, {}});
        else if (xml.name() == u"source")
            messages.back().strSource = xml.readElementText();
        else if (xml.name() == u"comment")
            messages.back().strComment = xml.readElementText();
        else if (xml.name() == u"translation") {
            messages.back().strType = xml.attributes().value("type").toString();
            messages.back().strTranslation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QString tsPath(const char* language) { return QString(TRANSLATIONS_DIR "/filter_%1.ts").arg(language); }

std::set<QStringList> keysOf(const std::vector<CTsMessage>& messages)
{
    std::set<QStringList> keys;
    for (const CTsMessage& m : messages)
        keys.insert({m.strContext, m.strSource, m.strComment});
    return keys;
}

// The letter after a single "&" (upper case), or a null character.
QChar mnemonicOf(const QString& text)
{
    const QRegularExpressionMatch match = QRegularExpression("(?<!&)&([^&])").match(text);
    return match.hasMatch() ? match.captured(1).at(0).toUpper() : QChar();
}

// What a translation must keep of its source: the placeholders, the mnemonic letter, the
// accelerator after a tab, and the lines (a prompt's status text and tool tip).
QStringList keptParts(const QString& text)
{
    QStringList parts;
    for (const QRegularExpressionMatch& m : QRegularExpression("%[1-9]").globalMatch(text))
        parts << m.captured();
    parts.sort();
    parts << QString(mnemonicOf(text)) << text.section('\t', 1) << QString::number(text.count('\n'));
    return parts;
}

// Runs program with arguments without a display, under the locale variables of
// environment (the others unset).
RunResult runHeadless(
    const std::string& program, const std::vector<std::string>& environment, const std::vector<std::string>& arguments)
{
    std::vector<std::string> words = {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM", "-u",
        "LANGUAGE", "-u", "LC_ALL", "-u", "LC_MESSAGES", "-u", "LANG"};
    words.insert(words.end(), environment.begin(), environment.end());
    words.push_back(ProgramBesideTest(program));
    words.insert(words.end(), arguments.begin(), arguments.end());
    return RunProgram("/usr/bin/env", words, ".");
}

}  // namespace

TEST(Translation, BothFilesHoldEveryTextFinishedAndKeepWhatMustNotChange)
{
    const std::vector<CTsMessage> japanese = readTs(tsPath("ja")), english = readTs(tsPath("en"));
    EXPECT_GT(japanese.size(), 300u);
    EXPECT_EQ(keysOf(japanese), keysOf(english));
    for (const auto* file : {&japanese, &english}) {
        for (const CTsMessage& m : *file) {
            const std::string where = (m.strContext + " / " + m.strSource).toStdString();
            EXPECT_EQ(m.strType, "") << where;  // not unfinished, obsolete or vanished
            EXPECT_FALSE(m.strTranslation.isEmpty()) << where;
            EXPECT_EQ(keptParts(m.strTranslation), keptParts(m.strSource))
                << where << " -> " << m.strTranslation.toStdString();
        }
    }
}

TEST(Translation, FilesHoldExactlyTheTextsTheCodeTranslates)
{
    TempFolder folder;
    const QString fresh = QString::fromStdString(folder / "fresh_ja.ts");
    QStringList arguments;
    std::ifstream options(LUPDATE_OPTIONS_FILE);
    for (std::string option; std::getline(options, option);)
        arguments << QString::fromStdString(option);
    arguments << "-silent" << QString("@" LUPDATE_SOURCES_FILE) << "-ts" << fresh;
    QProcess lupdate;
    lupdate.start(LUPDATE_PROGRAM, arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    const std::set<QStringList> code = keysOf(readTs(fresh)), committed = keysOf(readTs(tsPath("ja")));
    for (const QStringList& key : code)
        EXPECT_TRUE(committed.count(key)) << "not in the translation files: " << key.join(" / ").toStdString();
    for (const QStringList& key : committed)
        EXPECT_TRUE(code.count(key)) << "no longer in the code: " << key.join(" / ").toStdString();
}

TEST(Translation, LanguageFollowsTheFirstUiLanguageAndJapaneseWithoutALocale)
{
    const std::pair<QStringList, WorkbenchLanguage> cases[] = {
        {{"ja-JP", "en-US"}, WorkbenchLanguage::Japanese}, {{"ja"}, WorkbenchLanguage::Japanese},
        {{"C"}, WorkbenchLanguage::Japanese}, {{"POSIX"}, WorkbenchLanguage::Japanese},
        {{}, WorkbenchLanguage::Japanese}, {{"en-US", "ja-JP"}, WorkbenchLanguage::English},
        {{"de-DE"}, WorkbenchLanguage::English},
        {{"jv-ID"}, WorkbenchLanguage::English},  // Javanese begins with "j", not "ja"
    };
    for (const auto& [ui, language] : cases)
        EXPECT_EQ(LanguageForUi(ui), language) << ui.join(",").toStdString();
    EXPECT_EQ(LanguageNamed("ja"), WorkbenchLanguage::Japanese);
    EXPECT_EQ(LanguageNamed("en"), WorkbenchLanguage::English);
    EXPECT_EQ(LanguageNamed("en-US"), std::nullopt);
    EXPECT_EQ(LanguageNamed(""), std::nullopt);
}

// The workbench started in each language.
class LanguageTest : public WorkbenchTest, public ::testing::WithParamInterface<WorkbenchLanguage> {
protected:
    void SetUp() override
    {
        TestApplication();
        InstallLanguage(GetParam());
        WorkbenchTest::SetUp();
    }
};

// An object whose every event fails for want of memory.
class CFailingObject : public QObject {
public:
    bool event(QEvent*) override { throw std::bad_alloc(); }
};

TEST_P(LanguageTest, AFailureLeavingAnEventHandlerIsShownAndTheWorkbenchGoesOn)
{
    CMessageWatch box;
    CFailingObject failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    EXPECT_EQ(box.Text(), GetParam() == WorkbenchLanguage::Japanese ? QString("メモリが足りません。") : QString("Not enough memory."));
    DesignLowPass();
    EXPECT_EQ(Doc().m_nLength, 31);
}

TEST_P(LanguageTest, NoMenuHasTwoItemsOfOneMnemonic)
{
    std::vector<QMenu*> menus;
    std::map<QChar, QString> titles;
    for (QAction* action : Frame().menuBar()->actions()) {
        EXPECT_TRUE(titles.emplace(mnemonicOf(action->text()), action->text()).second) << action->text().toStdString();
        menus.push_back(action->menu());
    }
    for (size_t i = 0; i < menus.size(); ++i) {
        std::map<QChar, QString> items;
        for (QAction* action : menus[i]->actions()) {
            if (action->menu())
                menus.push_back(action->menu());
            const QChar letter = mnemonicOf(action->text());
            if (!letter.isNull()) {
                EXPECT_TRUE(items.emplace(letter, action->text()).second)
                    << action->text().toStdString() << " and " << items[letter].toStdString();
            }
        }
    }
    EXPECT_EQ(menus.size(), 5u);  // four menus and the display submenu
}

TEST_P(LanguageTest, ExportDialogShowsEveryFormatsFiguresWholeAndOpensOnTheFormat)
{
    DesignLowPass();
    std::vector<std::string> hidden;
    CModalWatch<CExportDlg> answer([&](CExportDlg* dialog) {
        if (dialog->focusWidget() != dialog->GetFormatBox())
            hidden.push_back("the focus is not on the format");
        for (int format = 0; format < dialog->GetFormatBox()->count(); ++format) {
            dialog->GetFormatBox()->setCurrentIndex(format);
            dialog->resize(dialog->minimumSize());  // even at its smallest the dialog shows them whole
            QCoreApplication::processEvents();
            QPlainTextEdit* figures = dialog->GetFigures();
            if (figures->verticalScrollBar()->maximum() > 0)
                hidden.push_back(dialog->GetFormatBox()->currentText().toStdString());
        }
        dialog->reject();
    });
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_TRUE(hidden.empty()) << hidden.front();
}

TEST_P(LanguageTest, RefusalsNameTheirFieldAsItsLabelReads)
{
    QString refusal;
    CModalWatch<CEquirippleDlg> answer([&refusal](CEquirippleDlg* dialog) {
        dialog->GetEdit(IDC_RIPPLE)->setText("0");
        CMessageWatch message;
        dialog->accept();
        refusal = message.Text();
        dialog->reject();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    EXPECT_EQ(refusal, GetParam() == WorkbenchLanguage::Japanese ? "通過域リップル：1e-05 から 100 までの数値を入力してください。"
                                                                  : "Inband Ripple: Please enter a number between 1e-05 and 100.");
}

TEST_P(LanguageTest, RequirementsDialogAndVerdictSpeakTheLanguage)
{
    const bool japanese = GetParam() == WorkbenchLanguage::Japanese;
    DesignLowPass();
    QString title;
    QStringList labels;
    CModalWatch<CRequirementsDlg> look([&](CRequirementsDlg* dialog) {
        title = dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labels << label->text();
        dialog->reject();
    });
    Run(ID_VIEW_REQUIREMENTS);
    EXPECT_EQ(title, japanese ? "フィルタの要件" : "Filter Requirements");
    EXPECT_TRUE(labels.contains(japanese ? "通過域リップル:" : "Pass-Band Ripple:")) << labels.join("|").toStdString();
    Run(ID_VIEW_SCALE);
    EXPECT_TRUE(Frame().GetVerdictPane()->text().startsWith(japanese ? "要件を満たしていません: 通過域が " : "Misses: pass band by "))
        << Frame().GetVerdictPane()->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LanguageTest,
    ::testing::Values(WorkbenchLanguage::Japanese, WorkbenchLanguage::English),
    [](const auto& info) { return info.param == WorkbenchLanguage::Japanese ? "Japanese" : "English"; });

TEST(Translation, HelpAndRefusalsOfTheCommandLineSpeakTheChosenLanguage)
{
    struct CCase {
        std::vector<std::string> environment, arguments;
        int status;
        const char* text;  // in the help (status 0) or the refusal (status 1)
    };
    const CCase cases[] = {
        {{"LANGUAGE=en", "LANG=ja_JP.UTF-8"}, {"--help"}, 0, "--language <language>  Show the workbench in <language>"},
        {{"LANG=C"}, {"--help"}, 0, "--language <言語>"},
        {{"LANG=en_US.UTF-8"}, {"--language", "ja", "--help"}, 0, "[ドキュメント]"},
        {{"LANG=en_US.UTF-8"}, {"--help"}, 0, "Usage: "},
        {{"LANG=C"}, {"--language", "fr"}, 1, "filter: 言語「fr」は使えません。"},
        {{"LANGUAGE=en"}, {"one.flt", "two.flt"}, 1, "filter: Give one document at most."},
    };
    for (const CCase& c : cases) {
        const RunResult result = runHeadless("filter", c.environment, c.arguments);
        EXPECT_EQ(result.status, c.status) << c.text;
        EXPECT_NE((c.status == 0 ? result.out : result.err).find(c.text), std::string::npos)
            << result.out << result.err;
    }
    const RunResult zeroplot = runHeadless("Zeroplot", {"LANG=C"}, {"--help"});
    EXPECT_EQ(zeroplot.status, 0);
    EXPECT_NE(zeroplot.out.find("zeros of an FIR filter in the z-plane"), std::string::npos) << zeroplot.out;
    EXPECT_NE(zeroplot.out.find("from \"root.bin\" in the current folder"), std::string::npos) << zeroplot.out;
}
