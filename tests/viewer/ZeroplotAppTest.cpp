#include "AfxIds.h"
#include "CMainFrame.h"
#include "CZeroplotApp.h"
#include "CZeroplotDoc.h"
#include "CPictureDlg.h"
#include "CZeroplotView.h"
#include "FileIo.h"
#include "ModalWatch.h"
#include "Resource.h"
#include "PdfText.h"
#include "ViewerTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

// The program started without arguments in a folder holding a "root.bin" of four zeros.
class ZeroplotApp : public ::testing::Test {
protected:
    ZeroplotApp()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName("Zeroplot-test");
        QSettings().remove("View");  // the view options at their defaults
        m_folder.WriteRootFile(RootFileBytes({{0.5, 0.5}, {0.5, -0.5}, {-1.0, 0.0}, {2.0, 0.0}}));
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_app.InitInstance({}));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame())) << "the Zeroplot window was not shown in 5 s";
    }

    CMainFrame& Frame() { return static_cast<CMainFrame&>(*m_app.GetMainFrame()); }
    CZeroplotDoc& Doc() { return static_cast<CZeroplotDoc&>(*m_app.GetDocument()); }
    QAction* Action(int id) { return Frame().GetAction(id); }
    QImage ViewImage() { return Frame().GetView().grab().toImage(); }

    // The texts of the menu bar's menus and of their items ("-" for a separator).
    QStringList MenuTexts()
    {
        QStringList texts;
        for (QAction* menu : Frame().menuBar()->actions()) {
            texts << menu->text();
            for (QAction* item : menu->menu()->actions())
                texts << (item->isSeparator() ? "-" : "  " + item->text());
        }
        return texts;
    }

    // Triggers command id and, once its modal dialog shows, hands that to answer.
    void WithModalDialog(int id, const std::function<void(QDialog&)>& answer)
    {
        CModalWatch<QDialog> watch([&answer](QDialog* dialog) {
            answer(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        Action(id)->trigger();
    }

    // Saves the view's picture at size to path through File, Save Image.
    void SaveImage(const std::string& path, const QSize& size)
    {
        CModalWatch<CPictureDlg> sizeAnswer([size](CPictureDlg* dialog) {
            dialog->GetWidthBox()->setValue(size.width());
            dialog->GetHeightBox()->setValue(size.height());
            dialog->accept();
        });
        CFileWatch fileAnswer(QString::fromStdString(path));
        Action(ID_FILE_SAVE_IMAGE)->trigger();
    }

    QApplication& m_qt = TestApplication();
    WorkFolder m_folder;
    CZeroplotApp m_app;
};

TEST_F(ZeroplotApp, StartsAsAnUntitled360By400WindowShowingTheZeros)
{
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Zeroplot");
    EXPECT_EQ(Frame().size(), QSize(360, 400));
    EXPECT_EQ(Frame().pos(), QPoint(100, 50));
    EXPECT_EQ(Doc().m_nRoots, 4);
    EXPECT_FALSE(Frame().windowIcon().isNull());
    const QImage image = ViewImage();
    EXPECT_GT(std::count(image.constBits(), image.constBits() + image.sizeInBytes(), 0), 0);
}

TEST_F(ZeroplotApp, MenusCarryTheirTextsAndKeys)
{
    const QStringList expected = {"&File", "  Save &Image...", "  &Copy Image\tCtrl+Shift+C", "-",
        "  &Print...\tCtrl+P", "  Print Pre&view", "  P&rint Setup...", "-", "  E&xit", "&View", "  Show &All", "  &Scale", "&Help",
        "  &About Zeroplot..."};
    EXPECT_EQ(MenuTexts(), expected);
    EXPECT_TRUE(Action(ID_FILE_PRINT)->shortcuts().contains(QKeySequence("Ctrl+P")));
    EXPECT_TRUE(Action(ID_EDIT_UNDO)->shortcuts().contains(QKeySequence("Alt+Backspace")));
    EXPECT_TRUE(Action(ID_EDIT_COPY)->shortcuts().contains(QKeySequence("Ctrl+Insert")));
    EXPECT_TRUE(Action(ID_PREV_PANE)->shortcuts().contains(QKeySequence("Shift+F6")));
    EXPECT_TRUE(Action(ID_EDIT_COPY_IMAGE)->shortcuts().contains(QKeySequence("Ctrl+Shift+C")));
}

TEST_F(ZeroplotApp, CommandsWithoutHandlerAreDisabled)
{
    Frame().UpdateCommandStates();
    for (int id : std::initializer_list<int>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
             ID_FILE_PRINT_SETUP, ID_APP_EXIT, ID_VIEW_SHOWALL, ID_APP_ABOUT})
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_NEXT_PANE, ID_PREV_PANE})
        EXPECT_FALSE(Action(id)->isEnabled()) << id;

    const QImage before = ViewImage();
    QTest::keyClick(&Frame().GetView(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Frame().GetView(), Qt::Key_F6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(ViewImage(), before);
    EXPECT_TRUE(Frame().isVisible());
}

TEST_F(ZeroplotApp, ShowAllFromTheMenuTogglesItsCheckMarkAndRedraws)
{
    const QImage normal = ViewImage();
    for (int expected : {1, 0}) {
        Action(ID_VIEW_SHOWALL)->trigger();
        EXPECT_EQ(Doc().m_bShowAll, expected);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Action(ID_VIEW_SHOWALL)->isChecked() == (expected == 1); }, 1000));
        EXPECT_EQ(ViewImage() == normal, expected == 0);
    }
}

TEST_F(ZeroplotApp, NewKeepsTheZerosReadAtStart)
{
    m_folder.WriteRootFile(RootFileBytes({}));
    QTest::keyClick(&Frame().GetView(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Doc().m_nRoots, 4);
    EXPECT_EQ(Frame().windowTitle(), "Untitled - Zeroplot");
}

TEST_F(ZeroplotApp, AboutBoxClosesWithOkEnterOrEscape)
{
    const std::vector<std::function<void(QDialog&)>> closers = {
        [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(), Qt::LeftButton); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
        [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); },
    };
    for (const auto& close : closers)
        WithModalDialog(ID_APP_ABOUT, [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "About Zeroplot");
            QStringList texts;
            for (QLabel* label : dialog.findChildren<QLabel*>())
                texts << label->text();
            EXPECT_TRUE(texts.contains("Zeroplot Version 1.0"));
            EXPECT_EQ(dialog.findChild<QPushButton*>()->text(), "OK");
            close(dialog);
            EXPECT_FALSE(dialog.isVisible());
        });
}

TEST_F(ZeroplotApp, OpenChangesOnlyTheTitleAndKeepsFourRecentFiles)
{
    for (int i = 0; i < 5; ++i) {
        const QString path = QString::fromStdString(m_folder / ("doc" + std::to_string(i)));
        m_folder.WriteRootFile(RootFileBytes({}));
        std::filesystem::copy_file(m_folder / "root.bin", path.toStdString());
        ASSERT_TRUE(m_app.OpenDocumentFile(path));
    }
    EXPECT_EQ(Frame().windowTitle(), "doc4 - Zeroplot");
    EXPECT_EQ(Doc().m_nRoots, 4);
    const QStringList recent = m_app.GetRecentFiles().GetFiles();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_TRUE(recent.front().endsWith("doc4"));
    EXPECT_TRUE(recent.back().endsWith("doc1"));
}

TEST_F(ZeroplotApp, PrintsOnePageToPdf)
{
    QPrinter& printer = m_app.GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(m_folder / "page.pdf"));
    ASSERT_TRUE(Frame().RouteCommand(ID_FILE_PRINT_DIRECT, nullptr));
    const PdfText pdf = ReadPdf(m_folder / "page.pdf");
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_EQ(pdf.Count("0 0 1 SCN"), 1);
    EXPECT_EQ(pdf.Count("\nB*\n"), 4);
}

TEST_F(ZeroplotApp, PrintAndPrintPreviewOpenTheirDialogs)
{
    QPrinter& printer = m_app.GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(m_folder / "cancelled.pdf"));
    WithModalDialog(ID_FILE_PRINT, [](QDialog& dialog) { EXPECT_NE(qobject_cast<QPrintDialog*>(&dialog), nullptr); });
    EXPECT_FALSE(std::filesystem::exists(m_folder / "cancelled.pdf"));
    WithModalDialog(ID_FILE_PRINT_PREVIEW, [](QDialog& dialog) {
        EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(&dialog), nullptr);
    });
}

TEST_F(ZeroplotApp, SaveImageWritesTheViewsPictureAsPngOrSvg)
{
    const QSize viewSize = Frame().GetView().size();
    SaveImage(m_folder / "zeros.png", viewSize);
    EXPECT_EQ(QImage(QString::fromStdString(m_folder / "zeros.png")).convertToFormat(QImage::Format_RGB32),
        ViewImage().convertToFormat(QImage::Format_RGB32));
    SaveImage(m_folder / "zeros.svg", QSize(420, 420));
    const std::string svg = exchange::ReadFileBytes(m_folder / "zeros.svg");
    EXPECT_NE(svg.find("viewBox=\"0 0 420 420\""), std::string::npos);
    EXPECT_NE(svg.find("transform=\"matrix(0.2,0,0,-0.2,210,210)\""), std::string::npos);  // 2100 units across 420 pixels
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::vector<std::array<double, 3>> circles;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("circle"))
            circles.push_back({xml.attributes().value("cx").toDouble(), xml.attributes().value("cy").toDouble(),
                xml.attributes().value("r").toDouble()});
    // The unit circle of radius 1000 / 1.5, then the zeros 0.5 +- 0.5i, -1 and 2.
    const std::vector<std::array<double, 3>> expected = {
        {0, 0, 666}, {333, 333, 10}, {333, -333, 10}, {-666, 0, 10}, {1333, 0, 10}};
    EXPECT_EQ(circles, expected);
}

TEST_F(ZeroplotApp, CtrlShiftCCopiesThePicture)
{
    QApplication::clipboard()->clear();
    QTest::keyClick(&Frame().GetView(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data && data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
        ViewImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(data->hasFormat("image/svg+xml"));
}

}  // namespace
