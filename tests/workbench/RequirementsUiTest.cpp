// The requirements in the workbench: their dialog, the design dialogs' Shortest buttons and
// the progress of a long search, the mask on the graph with the scale on (on screen, in
// pictures and on paper) and the verdict in the status bar.
#include "AfxIds.h"
#include "CFilterView.h"
#include "CLengthEstimateDlg.h"
#include "CRequirementsDlg.h"
#include "CVerdictPane.h"
#include "CWorkbenchUi.h"
#include "GraphMask.h"
#include "NumberText.h"
#include "PdfText.h"
#include "Picture.h"
#include "ShortestFilter.h"
#include "WorkProgress.h"
#include "WorkbenchSettings.h"
#include "WorkbenchTestSupport.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QColor kLimit(0, 130, 0);

class RequirementsUiTest : public WorkbenchTest {
protected:
    QImage Image() { return Frame().GetGraphView()->grab().toImage(); }
    int Count(const QImage& image, const std::function<bool(QColor)>& wanted)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += wanted(image.pixelColor(x, y));
        return n;
    }
    int Count(const QImage& image, QColor colour)
    {
        return Count(image, [colour](QColor c) { return c == colour; });
    }
    // The pale green of a tolerance region over white.
    static bool Region(QColor c) { return c.green() > c.red() + 20 && c.red() == c.blue() && c.red() > 190; }
    void Estimate(const QString& ripple, const QString& attenuation, const QString& width)
    {
        CModalWatch<CLengthEstimateDlg> answer([=](CLengthEstimateDlg* dialog) {
            dialog->GetEdit(IDC_RIPPLE)->setText(ripple);
            dialog->GetEdit(IDC_ATTENUATION)->setText(attenuation);
            dialog->GetEdit(IDC_TRANSITION)->setText(width);
            dialog->accept();
        });
        Run(ID_TOOL_LENGTH);
    }
};

}  // namespace

TEST_F(RequirementsUiTest, DialogShowsTheRequirementsInHertzAndStatesNewOnes)
{
    DesignLowPass();
    SaveSampleRate(48000.0);
    const double stopEdge = Doc().m_requirements->edges[1];
    QString title, edge, label;
    QString refusal;
    CModalWatch<CRequirementsDlg> answer([&](CRequirementsDlg* dialog) {
        title = dialog->windowTitle();
        edge = dialog->GetEdit(IDC_EDGE2)->text();
        label = dialog->GetEdgeLabel(1)->text();
        QTest::mouseClick(dialog->findChild<QRadioButton*>("IDC_RADIO1005"), Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(dialog->GetEdgeLabel(0)->text(), "Stop Band Edge:");
        dialog->GetEdit(IDC_EDGE1)->setText("9000");
        dialog->GetEdit(IDC_EDGE2)->setText("8000");
        {
            CMessageWatch message;
            dialog->accept();
            refusal = message.Text();
        }
        EXPECT_EQ(dialog->focusWidget(), dialog->GetEdit(IDC_EDGE2));
        dialog->GetEdit(IDC_EDGE2)->setText("10000");
        dialog->GetEdit(IDC_RIPPLE)->setText("0.5");
        dialog->GetEdit(IDC_ATTENUATION)->setText("40");
        dialog->accept();
    });
    Run(ID_VIEW_REQUIREMENTS);
    EXPECT_EQ(title, "Filter Requirements");
    EXPECT_EQ(label, "Stop Band Edge:");
    EXPECT_EQ(edge.toStdString(), FormatDouble(stopEdge * 48000));  // shown in Hz
    EXPECT_EQ(refusal, "Pass Band Edge: Please enter a number between 9000 and 24000.");
    const CRequirements stated{HighPass, {9000.0 / 48000, 10000.0 / 48000}, 0.5, 40};
    EXPECT_EQ(Doc().m_requirements, stated);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(RequirementsUiTest, ShortestFillsTheLengthOrSaysWhyThereIsNone)
{
    QString why;
    CModalWatch<CPassBandDlg> first([&](CPassBandDlg* dialog) {
        dialog->GetEdit(IDC_LOWCUT)->setText("0.225");
        dialog->GetEdit(IDC_LENGTH)->setText("");
        CMessageWatch message;
        QTest::mouseClick(dialog->GetShortestButton(), Qt::LeftButton);
        why = message.Text();
        dialog->reject();
    });
    Run(ID_TOOL_PASSBAND);
    EXPECT_TRUE(why.startsWith("The search needs the transition width to reach")) << why.toStdString();

    Estimate("0.1", "60", "0.05");
    QString length;
    CModalWatch<CPassBandDlg> second([&](CPassBandDlg* dialog) {
        dialog->GetEdit(IDC_LOWCUT)->setText("0.225");
        QTest::mouseClick(dialog->GetShortestButton(), Qt::LeftButton);
        length = dialog->GetEdit(IDC_LENGTH)->text();
        dialog->accept();
    });
    Run(ID_TOOL_PASSBAND);
    const CRequirements aimed{LowPass, {0.2, 0.25}, 0.1, 60};
    EXPECT_EQ(length.toInt(), ShortestPassBand(LowPass, 0.225, 0.5, 60, 4096, aimed, nullptr).nLength);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), length.toInt());
    EXPECT_TRUE(Doc().Measure().MeetsRequirements());
}

TEST_F(RequirementsUiTest, LongWorkShowsItsProgressAfterAWhileAndItsCancelStopsIt)
{
    CWorkbenchProgress progress(&Frame(), "Shortest filter");
    QElapsedTimer elapsed;
    elapsed.start();
    while (!progress.GetDialog() && elapsed.elapsed() < 5000) {
        EXPECT_TRUE(progress.Continue("Designing and measuring 101 taps..."));
        QTest::qSleep(20);
    }
    ASSERT_TRUE(progress.GetDialog()) << "no progress shown within 5 s";
    EXPECT_GE(elapsed.elapsed(), CFilterUi::kWorkProgressDelayMs);
    EXPECT_EQ(progress.GetDialog()->windowTitle(), "Shortest filter");
    EXPECT_EQ(progress.GetDialog()->labelText(), "Designing and measuring 101 taps...");
    EXPECT_TRUE(progress.Continue("Designing and measuring 103 taps..."));
    progress.GetDialog()->cancel();
    EXPECT_FALSE(progress.Continue("Designing and measuring 105 taps..."));
}

TEST_F(RequirementsUiTest, MaskShowsWithTheScaleOverTheAmplitudeAlikeOnScreenInPicturesAndOnPaper)
{
    DesignLowPass();  // 31 taps: short of the requirements Kaiser's width sets
    Run(ID_VIEW_DB);
    Run(ID_VIEW_AMPLITUDE);
    EXPECT_EQ(Count(Image(), kLimit), 0);
    EXPECT_EQ(Count(Image(), WarningColour()), 0);
    Run(ID_VIEW_SCALE);
    const QImage on = Image();
    EXPECT_GT(Count(on, kLimit), 100);
    EXPECT_GT(Count(on, &RequirementsUiTest::Region), 1000);
    EXPECT_GT(Count(on, WarningColour()), 5);
    const CGraphPicture picture = Frame().GetGraphView()->GetPicture();
    const QImage exported = RenderImage(on.size(), [&](QPainter& painter) { DrawGraph(painter, picture, on.size(), false); });
    EXPECT_EQ(exported, on.convertToFormat(exported.format()));

    QTemporaryDir dir;
    QPrinter& printer = App().GetPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("graph.pdf"));
    Frame().GetGraphView()->OnCmdMsg(ID_FILE_PRINT_DIRECT, nullptr);
    const PdfText pdf = ReadPdf(dir.filePath("graph.pdf").toStdString());
    EXPECT_EQ(pdf.Count("0 0.666666686 0 scn"), 2);  // the regions' green, a pass and a stop band
    EXPECT_GT(pdf.Count("0 0.509803950 0 SCN"), 0);  // their limits
    EXPECT_GT(pdf.Count("0.921568632 0.352941185 0 SCN"), 0);  // the warning colour

    Run(ID_VIEW_IMPULSE);
    EXPECT_EQ(Count(Image(), kLimit), 0);
}

TEST_F(RequirementsUiTest, StatusBarGivesTheVerdictWithTheScaleInTheUnitsOfTheSampleRate)
{
    CVerdictPane* verdict = Frame().GetVerdictPane();
    DesignLowPass();
    EXPECT_FALSE(verdict->isVisible());
    Run(ID_VIEW_SCALE);
    EXPECT_TRUE(verdict->isVisible());
    EXPECT_TRUE(verdict->text().startsWith("Misses: pass band by ")) << verdict->text().toStdString();
    CModalWatch<CRequirementsDlg> loosen([](CRequirementsDlg* dialog) {
        dialog->GetEdit(IDC_RIPPLE)->setText("1");
        dialog->GetEdit(IDC_ATTENUATION)->setText("50");
        dialog->accept();
    });
    Run(ID_VIEW_REQUIREMENTS);
    EXPECT_EQ(verdict->text(), "Meets the requirements");
    CModalWatch<CRequirementsDlg> tighten([](CRequirementsDlg* dialog) {
        dialog->GetEdit(IDC_ATTENUATION)->setText("80");
        dialog->accept();
    });
    Run(ID_VIEW_REQUIREMENTS);
    EXPECT_TRUE(verdict->text().startsWith("Misses: stop band by ")) << verdict->text().toStdString();
    EXPECT_FALSE(verdict->text().contains("Hz"));
    verdict->SetSampleRate(48000.0);
    EXPECT_TRUE(verdict->text().endsWith(" kHz")) << verdict->text().toStdString();
}
