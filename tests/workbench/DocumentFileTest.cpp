// The document through the window: printing a designed filter to PDF, saving and opening
// it again through the file dialogs, a refused file, and the wait for the root finder.
#include "AfxIds.h"
#include "CDataView.h"
#include "CFilterView.h"
#include "CPassBandDlg.h"
#include "CProcessHandle.h"
#include "CWorkbenchUi.h"
#include "FileIo.h"
#include "Resource.h"
#include "RootFinderProgress.h"

#include "WorkbenchTestSupport.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <cstring>

namespace {

class DocumentFileTest : public WorkbenchTest {
protected:
    // Runs command id and answers its file dialog with path.
    void RunWithFile(int id, const QString& path)
    {
        CFileWatch answer(path);
        Run(id);
    }
    QString Path(const char* name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

bool sameBits(const CRealArray& a, const CRealArray& b)
{
    return a.GetSize() == b.GetSize() && std::memcmp(a.data(), b.data(), sizeof(double) * a.GetSize()) == 0;
}

}  // namespace

TEST_F(DocumentFileTest, PrintsADesignedFilterOnOnePageOfAPdf)
{
    DesignLowPass();
    ASSERT_TRUE(Doc().m_pCoef);
    QPrinter& printer = App().GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("graph.pdf"));
    Frame().GetGraphView()->OnCmdMsg(ID_FILE_PRINT_DIRECT, nullptr);
    const std::string pdf = exchange::ReadFileBytes(Path("graph.pdf").toStdString());
    EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    const QRegularExpression page("/Type\\s*/Page[^s]");
    EXPECT_EQ(QString::fromStdString(pdf).count(page), 1);
}

TEST_F(DocumentFileTest, PrintedDrawingIsFourTimesThePane)
{
    DesignLowPass();
    ASSERT_TRUE(Doc().m_pCoef);
    CFilterView* graph = Frame().GetGraphView();
    QImage page(graph->width() * 4, graph->height() * 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    graph->OnDraw(painter, true);
    painter.end();
    // The blue vertical axis at a tenth of the width, under the gaps of the red dotted
    // marker at index 0; the largest coefficient 0.05 / 1.1 of the height below the top
    // edge, within the width of the pens (4 device units on paper).
    const int axisX = page.width() / 10;
    int blue = 0;
    for (int y = 0; y < page.height(); ++y)
        blue += page.pixelColor(axisX, y) == QColor(0, 0, 255);
    EXPECT_GT(blue, page.height() / 4);
    int top = page.height();
    for (int y = 0; y < page.height() && top == page.height(); ++y)
        for (int x = axisX + 1; x < page.width(); ++x)
            if (page.pixelColor(x, y) == QColor(Qt::black)) {
                top = y;
                break;
            }
    EXPECT_NEAR(top, page.height() * 0.05 / 1.1, 3);
}

TEST_F(DocumentFileTest, SavedAndReopenedDocumentLosesNothing)
{
    DesignLowPass();
    ASSERT_TRUE(Doc().m_pCoef);
    // Edit coefficient 1 in the form and write it into the document.
    auto* form = Frame().GetDataView();
    form->findChild<QLineEdit*>("IDC_XAXIS")->setText("1");
    form->findChild<QLineEdit*>("IDC_YAXIS")->setText("0.125");
    QTest::mouseClick(form->findChild<QPushButton*>("IDC_SHOWNEXT"), Qt::LeftButton);
    QTest::mouseClick(form->findChild<QPushButton*>("IDC_WRITEDATA"), Qt::LeftButton);
    ASSERT_EQ((*Doc().m_pCoef)[1], 0.125);
    const CRealArray coef = *Doc().m_pCoef, ideal = *Doc().m_pIdeal;
    const int length = Doc().m_nLength, type = Doc().m_nFilterType;
    const double low = Doc().m_dLowCutoff, attenuation = Doc().m_dAttenuation;

    RunWithFile(ID_FILE_SAVE_AS, Path("design"));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Frame().windowTitle(), "design - Filter");
    {
        QString folder;
        CModalWatch<QFileDialog> look([&folder](QFileDialog* dialog) {
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        Run(ID_FILE_SAVE_AS);
        EXPECT_EQ(folder, QDir(m_dir.path()).absolutePath());  // Save As opens where the document is
    }
    Doc().SetCoefficients(CRealArray(3));  // changed since the save, and then discarded
    {
        CModalWatch<QMessageBox> discard([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        RunWithFile(ID_FILE_OPEN, Path("design"));
    }
    ASSERT_TRUE(sameBits(*Doc().m_pCoef, coef));
    EXPECT_TRUE(sameBits(*Doc().m_pIdeal, ideal));
    EXPECT_EQ(Doc().m_nLength, length);
    EXPECT_EQ(Doc().m_nFilterType, type);
    EXPECT_EQ(Doc().m_dLowCutoff, low);
    EXPECT_EQ(Doc().m_dAttenuation, attenuation);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(App().GetRecentFiles().GetFiles().front(), Path("design"));
    EXPECT_EQ(Frame().GetDataView()->findChild<QLineEdit*>("IDC_XAXIS")->text(), "0");
}

TEST_F(DocumentFileTest, FileThatIsNotADocumentIsRefusedAndTheWindowKeepsItsDocument)
{
    DesignLowPass();
    ASSERT_TRUE(Doc().m_pCoef);
    RunWithFile(ID_FILE_SAVE_AS, Path("kept"));
    const CRealArray coef = *Doc().m_pCoef;
    exchange::WriteFileAtomically(Path("notes.txt").toStdString(), "hello, this is no filter");
    CMessageWatch message;
    RunWithFile(ID_FILE_OPEN, Path("notes.txt"));
    EXPECT_TRUE(message.Text().contains(Path("notes.txt"))) << message.Text().toStdString();
    EXPECT_TRUE(message.Text().contains("not a filter document")) << message.Text().toStdString();
    EXPECT_EQ(Frame().windowTitle(), "kept - Filter");
    EXPECT_TRUE(sameBits(*Doc().m_pCoef, coef));
}

TEST(WaitForRootFinder, ReturnsWhenTheProcessEndsAndRestoresTheCursor)
{
    TestApplication();
    CWorkbenchUi ui;
    auto process = CProcessHandle::Start("/bin/sh", {"-c", "exit 0"});
    ASSERT_TRUE(process);
    EXPECT_TRUE(ui.WaitForRootFinder(*process));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WaitForRootFinder, CancelOfTheProgressDialogGivesUpAfterAboutASecond)
{
    TestApplication();
    CWorkbenchUi ui;
    auto process = CProcessHandle::Start("/bin/sleep", {"30"});
    ASSERT_TRUE(process);
    QElapsedTimer elapsed;
    elapsed.start();
    CModalWatch<QProgressDialog> cancel([](QProgressDialog* progress) { progress->cancel(); });
    EXPECT_FALSE(ui.WaitForRootFinder(*process));
    EXPECT_GE(elapsed.elapsed(), CWorkbenchUi::kProgressDelayMs);
    EXPECT_TRUE(process->IsRunning());  // ending it is the caller's part
    process->Terminate();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WaitForRootFinder, TheDialogShowsHowManyZerosAreFoundAndCertified)
{
    TestApplication();
    CWorkbenchUi ui;
    CRootFinderProgress told;
    CStartOptions options;
    options.bCaptureErrors = true;
    options.lineFilter = [&](const std::string& line) {
        const bool taken = ReadRootFinderProgress(line, told);
        if (taken)
            ui.ShowRootFinderProgress(told);
        return taken;
    };
    auto process = CProcessHandle::Start("/bin/sh",
        {"-c", "echo 'zsolve: 10 of 10 roots found' >&2; echo 'zsolve: 4 of 10 roots certified' >&2; exec sleep 30"},
        options);
    ASSERT_TRUE(process);
    QString shown;
    int value = -1, maximum = -1;
    CModalWatch<QProgressDialog> cancel([&](QProgressDialog* progress) {
        shown = progress->labelText();
        value = progress->value();
        maximum = progress->maximum();
        progress->cancel();
    });
    EXPECT_FALSE(ui.WaitForRootFinder(*process));
    process->Terminate();
    EXPECT_EQ(shown, "Finding the zeros of the filter...\n10 of 10 zeros found, 4 certified");
    EXPECT_EQ(maximum, 20);
    EXPECT_EQ(value, 14);
}

TEST(WaitForRootFinder, AnotherRootFindingIsWaitedForInTheSameCancellableWay)
{
    TestApplication();
    CWorkbenchUi ui;
    CPolledWait never([] { return false; });
    QString shown;
    CModalWatch<QProgressDialog> cancel([&shown](QProgressDialog* progress) {
        shown = progress->labelText();
        progress->cancel();
    });
    EXPECT_FALSE(ui.WaitForExchange(never));
    EXPECT_EQ(shown, "Waiting for another root finding in this folder...");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(CommandLine, ADocumentThatCannotBeOpenedEndsTheStartWithAMessageNamingIt)
{
    TestApplication();
    CFilterApp app;
    CMessageWatch message;
    EXPECT_FALSE(app.InitInstance({"/nonexistent/design"}));
    EXPECT_TRUE(message.Text().contains("\"/nonexistent/design\"")) << message.Text().toStdString();
    EXPECT_FALSE(app.GetFrame().isVisible());
}

TEST(CommandLine, ASavedDocumentNamedOnTheCommandLineIsOpenedAndShown)
{
    TestApplication();
    QTemporaryDir dir;
    const std::string path = dir.filePath("saved").toStdString();
    {
        CFilterApp first;
        ASSERT_TRUE(first.InitInstance({}));
        first.GetFilterDoc().SetCoefficients(CRealArray(5));
        first.GetFilterDoc().OnSaveDocument(path);
    }
    CFilterApp app;
    ASSERT_TRUE(app.InitInstance({QString::fromStdString(path)}));
    EXPECT_EQ(app.GetFrame().windowTitle(), "saved - Filter");
    ASSERT_TRUE(app.GetFilterDoc().m_pCoef);
    EXPECT_EQ(app.GetFilterDoc().m_pCoef->GetSize(), 5);
}
