// Coefficients and pictures in and out of the workbench, through its menus and dialogs:
// the export dialog's figures, the import's question, and the graph as PNG, SVG and on the
// clipboard, drawn as the pane draws it.
#include "CExportDlg.h"
#include <QPlainTextEdit>
#include <QScrollBar>
#include "CDataView.h"
#include "CFilterView.h"
#include "CPictureDlg.h"
#include "CWordBitsDlg.h"
#include "FileIo.h"
#include "WorkbenchTestSupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>

namespace {

class ExchangeTest : public WorkbenchTest {
protected:
    // Answers the next file dialog with the file name in the test's folder.
    std::unique_ptr<CFileWatch> AnswerFile(const QString& name)
    {
        return std::make_unique<CFileWatch>(m_dir.filePath(name));
    }
    // Saves the graph as name at size through its menu command.
    void SaveImage(const QString& name, const QSize& size)
    {
        CModalWatch<CPictureDlg> sizeAnswer([size](CPictureDlg* dialog) {
            dialog->GetWidthBox()->setValue(size.width());
            dialog->GetHeightBox()->setValue(size.height());
            dialog->accept();
        });
        const auto fileAnswer = AnswerFile(name);
        Run(ID_FILE_SAVE_IMAGE);
    }
    std::string Path(const char* name) const { return m_dir.filePath(name).toStdString(); }

    QTemporaryDir m_dir;
};

std::vector<double> valuesOf(const CRealArray& h) { return std::vector<double>(h.data(), h.data() + h.GetSize()); }

// The SVG's polyline of count points, the curve of a filter of that length; empty when
// there is none.
QPolygonF curveOf(const QByteArray& svg, int count)
{
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("polyline"))
            continue;
        QPolygonF points;
        for (const QString& pair : xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts))
            points << QPointF(pair.section(',', 0, 0).toDouble(), pair.section(',', 1, 1).toDouble());
        if (points.size() == count)
            return points;
    }
    return QPolygonF();
}

}  // namespace

TEST_F(ExchangeTest, ExportDialogShowsTheQuantizationBeforeTheFileIsWritten)
{
    EXPECT_FALSE(Action(ID_FILE_EXPORT_COEF)->isEnabled());
    DesignLowPass();
    ASSERT_TRUE(Action(ID_FILE_EXPORT_COEF)->isEnabled());
    QString figures;
    bool blockSizeEnabled = true;
    CModalWatch<CExportDlg> answer([&](CExportDlg* dialog) {
        dialog->GetFormatBox()->setCurrentIndex(2);  // Q15
        figures = dialog->GetFigures()->toPlainText();
        blockSizeEnabled = dialog->GetBlockSizeBox()->isEnabled();
        dialog->accept();
    });
    const auto file = AnswerFile("coef");
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_TRUE(figures.startsWith("Format: Q15, 16-bit integers")) << figures.toStdString();
    EXPECT_TRUE(figures.contains("values saturated at the format's limits"));
    EXPECT_FALSE(blockSizeEnabled);
    const std::string header = exchange::ReadFileBytes(Path("coef.h"));  // the format's extension added
    // Named after the file, so that headers of several filters can meet in one program.
    EXPECT_NE(header.find("#define COEF_LENGTH 31\n"), std::string::npos);
    // The next export opens on the format chosen last.
    int opened = -1;
    CModalWatch<CExportDlg> cancel([&](CExportDlg* dialog) {
        opened = dialog->GetFormatBox()->currentIndex();
        dialog->reject();
    });
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_EQ(opened, 2);
}

TEST_F(ExchangeTest, ExportDialogTakesANameAndRefusesOneThatCannotBe)
{
    DesignLowPass();
    QString problem;
    bool okWithBadName = true;
    bool okForCsv = false;
    bool nameEnabledForCsv = true;
    CModalWatch<CExportDlg> answer([&](CExportDlg* dialog) {
        dialog->GetFormatBox()->setCurrentIndex(1);  // CSV names nothing
        nameEnabledForCsv = dialog->GetNameEdit()->isEnabled();
        dialog->GetFormatBox()->setCurrentIndex(3);  // Q31
        dialog->GetNameEdit()->setText("2nd");
        problem = dialog->GetNameProblem()->text();
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        okWithBadName = ok->isEnabled();
        dialog->GetFormatBox()->setCurrentIndex(1);  // the name counts for no CSV
        okForCsv = ok->isEnabled();
        dialog->GetFormatBox()->setCurrentIndex(3);
        dialog->GetNameEdit()->setText("stage1");
        dialog->accept();
    });
    const auto file = AnswerFile("coef.h");
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_FALSE(nameEnabledForCsv);
    EXPECT_EQ(problem, "the name must begin with a letter");
    EXPECT_FALSE(okWithBadName);
    EXPECT_TRUE(okForCsv);
    const std::string header = exchange::ReadFileBytes(Path("coef.h"));
    EXPECT_NE(header.find("static const int32_t stage1[STAGE1_LENGTH] = {"), std::string::npos) << header;
    // The word length counts for the FPGA formats only, and is remembered.
    bool bitsEnabledForQ31 = true;
    CModalWatch<CExportDlg> hex([&](CExportDlg* dialog) {
        bitsEnabledForQ31 = dialog->GetBitsBox()->isEnabled();
        dialog->GetFormatBox()->setCurrentText("Hex words for $readmemh (.hex)");
        dialog->GetBitsBox()->setValue(12);
        dialog->accept();
    });
    const auto hexFile = AnswerFile("coef.hex");
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_FALSE(bitsEnabledForQ31);
    EXPECT_NE(exchange::ReadFileBytes(Path("coef.hex")).find("// words of 12 bits, scale shift 0\n"), std::string::npos);
    int bits = 0;
    CModalWatch<CExportDlg> reopened([&](CExportDlg* dialog) {
        bits = dialog->GetBitsBox()->value();
        dialog->reject();
    });
    Run(ID_FILE_EXPORT_COEF);
    EXPECT_EQ(bits, 12);
}

TEST_F(ExchangeTest, ImportTellsTheCountAndInstallsOnlyWhenConfirmed)
{
    exchange::WriteFileAtomically(Path("h.csv"), "index,coefficient\n0,0.5\n1,0.25\n2,-0.125\n");
    for (QMessageBox::StandardButton button : {QMessageBox::Cancel, QMessageBox::Ok}) {
        QString question;
        CModalWatch<QMessageBox> answer([&](QMessageBox* box) {
            question = box->text();
            box->button(button)->click();
        });
        const auto file = AnswerFile("h.csv");
        Run(ID_FILE_IMPORT_COEF);
        EXPECT_EQ(question, "\"h.csv\" holds 3 coefficients.\nInstall them as the filter's coefficients?");
        EXPECT_EQ(Doc().m_pCoef != nullptr, button == QMessageBox::Ok);
    }
    EXPECT_EQ((*Doc().m_pCoef)[2], -0.125);
    exchange::WriteFileAtomically(Path("bad.txt"), "0.5\n0.25;;x\n");
    CMessageWatch refusal;
    const auto file = AnswerFile("bad.txt");
    Run(ID_FILE_IMPORT_COEF);
    EXPECT_TRUE(refusal.Text().endsWith("bad.txt\": line 2, column 7: \"x\" is not a number")) << refusal.Text().toStdString();
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 3);
}

// A hex or coe file of another tool says nothing of its word length: the import asks for
// it (16 bits at first), a cancel leaves everything as it was, and the words are read with
// the length typed. A mif file states its WIDTH and is read without a question.
TEST_F(ExchangeTest, AWordFileWithoutItsLengthIsReadWithTheLengthAsked)
{
    exchange::WriteFileAtomically(Path("plain.hex"), "7FF\n800\n");
    const struct {
        const char* typed;  // nullptr: cancelled
        std::vector<double> installed;
    } answers[] = {{nullptr, {}}, {"12", {2047.0 / 2048, -1.0}}};
    for (const auto& answer : answers) {
        QStringList seen;
        CModalWatch<CWordBitsDlg> ask([&](CWordBitsDlg* dialog) {
            seen << dialog->windowTitle() << dialog->GetBitsBox()->text();
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                seen << label->text();
            if (!answer.typed)
                return dialog->reject();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(dialog->focusWidget(), answer.typed);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        CModalWatch<QMessageBox> confirm([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); },
            answer.typed ? ModalExpected::Always : ModalExpected::Maybe);
        const auto file = AnswerFile("plain.hex");
        Run(ID_FILE_IMPORT_COEF);
        EXPECT_EQ(seen.mid(0, 2), QStringList({"Word Length", "16 bits"}));
        EXPECT_TRUE(seen.contains("\"plain.hex\" does not say how long its words are.\nRead them as two's-complement words of:"))
            << seen.join(" | ").toStdString();
        const std::vector<double> installed = Doc().m_pCoef ? valuesOf(*Doc().m_pCoef) : std::vector<double>();
        EXPECT_EQ(installed, answer.installed) << (answer.typed ? answer.typed : "cancelled");
    }
    exchange::WriteFileAtomically(Path("plain.mif"), "WIDTH=8;\nDEPTH=1;\nCONTENT BEGIN\n0 : C0;\nEND;\n");
    CModalWatch<CWordBitsDlg> notAsked([](CWordBitsDlg* dialog) {
        ADD_FAILURE() << "a mif file's word length was asked for";
        dialog->reject();
    }, ModalExpected::Maybe);
    CModalWatch<QMessageBox> confirm([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    const auto file = AnswerFile("plain.mif");
    Run(ID_FILE_IMPORT_COEF);
    EXPECT_EQ(valuesOf(*Doc().m_pCoef), std::vector<double>{-0.5});
}

TEST_F(ExchangeTest, ThePngHoldsThePanesPixels)
{
    EXPECT_FALSE(Action(ID_FILE_SAVE_IMAGE)->isEnabled());
    DesignLowPass();
    CFilterView* graph = Frame().GetGraphView();
    SaveImage("graph.png", graph->size());
    const QImage saved(m_dir.filePath("graph.png"));
    ASSERT_EQ(saved.size(), graph->size());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), graph->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ExchangeTest, TheSvgHoldsTheCurveAsAPolyline)
{
    DesignLowPass();
    SaveImage("graph.svg", QSize(620, 310));  // not the pane's size: the drawing fills the picture
    const QPolygonF curve = curveOf(QByteArray::fromStdString(exchange::ReadFileBytes(Path("graph.svg"))), 31);
    ASSERT_EQ(curve.size(), 31);
    EXPECT_EQ(curve.front().x(), 62.0);  // data point 0 on the vertical axis, a tenth of the width in
    // The largest coefficient, the middle one, lies 0.05 / 1.1 of the height below the top.
    EXPECT_NEAR(curve[15].y(), 310 * 0.05 / 1.1, 1.0);
}

TEST_F(ExchangeTest, CtrlShiftCCopiesThePictureFromEitherPane)
{
    DesignLowPass();
    Frame().activateWindow();  // the offscreen platform gives the activation back to no window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame())) << "the workbench window did not become active in 5 s";
    for (QWidget* target : {static_cast<QWidget*>(Frame().GetGraphView()), Frame().GetDataView()->findChild<QWidget*>("IDC_XAXIS")}) {
        QApplication::clipboard()->clear();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ASSERT_TRUE(data && data->hasImage()) << target->objectName().toStdString();
        EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
            Frame().GetGraphView()->grab().toImage().convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(curveOf(data->data("image/svg+xml"), 31).size(), 31);
    }
}

TEST_F(ExchangeTest, DisplayCsvNamesEveryColumnWithItsUnit)
{
    DesignLowPass();
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{}, "index,time_samples,impulse_response\n"},
        {{ID_VIEW_AMPLITUDE, ID_VIEW_DB}, "index,frequency_fs,amplitude_dB\n"},
        {{ID_VIEW_GROUPDELAY}, "index,frequency_fs,group_delay_samples\n"},
    };
    int file = 0;
    for (const auto& [commands, header] : cases) {
        for (int command : commands)
            Run(command);
        const QString name = QString("display%1.csv").arg(++file);
        const auto fileAnswer = AnswerFile(name);
        Run(ID_FILE_EXPORT_DISPLAY);
        EXPECT_EQ(exchange::ReadFileBytes(Path(name.toUtf8().constData())).rfind(header, 0), 0u) << header;
    }
}
