// The equiripple dialog and its command, as the user meets them.
#include "CEquirippleDlg.h"
#include "CFilterPropertiesDlg.h"
#include "Resource.h"
#include "WorkbenchSettings.h"
#include "WorkbenchTestSupport.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

class EquirippleDialog : public ::testing::Test {
protected:
    void Open(double sampleRateHz)
    {
        TestApplication();
        CEquirippleData data;
        data.m_nLength = 75;  // near the estimate of the default conditions, 60
        const auto design = [this](const CEquirippleData& values) {
            m_designed.push_back(values.m_nLength);
            return std::string();
        };
        m_dialog = std::make_unique<CEquirippleDlg>(data, sampleRateHz, m_shortest, design, nullptr);
        m_dialog->show();
    }
    QLineEdit* Edit(int id) { return m_dialog->GetEdit(id); }
    QString Estimate() { return m_dialog->GetEstimateLabel()->text(); }
    // Waits (up to 5 s) for the estimate line to change from before, after its pause.
    QString NextEstimate(const QString& before)
    {
        QElapsedTimer waited;
        waited.start();
        while (Estimate() == before && waited.elapsed() < 5000)
            QTest::qWait(20);
        EXPECT_NE(Estimate(), before) << "the estimate line did not change in 5 s";
        EXPECT_GE(waited.elapsed(), CEquirippleDlg::kEstimateDelayMs - 50);
        return Estimate();
    }

    std::unique_ptr<CEquirippleDlg> m_dialog;
    CEquirippleShortest m_shortest;  // what the Shortest button asks, set before Open
    std::vector<int> m_designed;     // the lengths OK designed
};

QString pressOk(QDialog& dialog)
{
    CMessageWatch message(ModalExpected::Maybe);
    dialog.accept();
    return message.Text();
}

}  // namespace

TEST_F(EquirippleDialog, LabelsAndEnablesTheBandEdgesOfTheChosenType)
{
    Open(0.0);
    EXPECT_EQ(m_dialog->windowTitle(), "Designing Equiripple Filter");
    EXPECT_TRUE(m_dialog->findChild<QRadioButton*>("IDC_RADIO1004")->isChecked());
    EXPECT_EQ(m_dialog->GetEdgeLabel(0)->text(), "Pass Band Edge:");
    EXPECT_EQ(m_dialog->GetEdgeLabel(1)->text(), "Stop Band Edge:");
    EXPECT_FALSE(Edit(IDC_EDGE3)->isEnabled());
    EXPECT_EQ(Edit(IDC_EDGE2)->text(), "0.25");
    EXPECT_EQ(Edit(IDC_LENGTH)->text(), "75");
    QTest::mouseClick(m_dialog->findChild<QRadioButton*>("IDC_RADIO1007"), Qt::LeftButton);
    EXPECT_EQ(m_dialog->GetEdgeLabel(0)->text(), "Lower Pass Edge:");
    EXPECT_EQ(m_dialog->GetEdgeLabel(3)->text(), "Upper Pass Edge:");
    EXPECT_TRUE(Edit(IDC_EDGE4)->isEnabled());
}

TEST_F(EquirippleDialog, EstimateFollowsTheConditionsAndItsButtonTakesIt)
{
    Open(0.0);
    const QString first = Estimate();
    EXPECT_TRUE(first.startsWith("Estimated Length: ")) << first.toStdString();
    Edit(IDC_RIPPLE)->setText("0.001");
    const QString second = NextEstimate(first);
    QTest::mouseClick(m_dialog->GetEstimateButton(), Qt::LeftButton);
    EXPECT_EQ("Estimated Length: " + Edit(IDC_LENGTH)->text(), second);
    Edit(IDC_ATTENUATION)->setText("");
    EXPECT_EQ(NextEstimate(second), "Estimated Length: -");
    EXPECT_FALSE(m_dialog->GetEstimateButton()->isEnabled());
}

TEST_F(EquirippleDialog, ALongEstimateLineIsShownWholeAboveTheButtons)
{
    Open(48000.0);
    Edit(IDC_EDGE1)->setText("4800");
    const QString before = Estimate();
    Edit(IDC_EDGE2)->setText("4801");  // about 130000 taps: a refusal of several lines
    EXPECT_GT(NextEstimate(before).size(), 100);
    QTest::qWait(0);
    const QLabel* line = m_dialog->GetEstimateLabel();
    EXPECT_GE(line->height(), line->heightForWidth(line->width()));
    const QDialogButtonBox* buttons = m_dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_LE(line->mapTo(m_dialog.get(), QPoint(0, line->height())).y(), buttons->geometry().top());
}

TEST_F(EquirippleDialog, RefusesABadFieldSelectingItAndReadsHzAsFractions)
{
    Open(48000.0);
    EXPECT_EQ(Edit(IDC_EDGE1)->text(), "9600");
    Edit(IDC_EDGE2)->setText("9000");
    EXPECT_EQ(pressOk(*m_dialog), "Stop Band Edge: Please enter a number greater than 9600 and less than 24000.");
    EXPECT_EQ(m_dialog->focusWidget(), Edit(IDC_EDGE2));
    EXPECT_EQ(Edit(IDC_EDGE2)->selectedText(), "9000");
    EXPECT_TRUE(m_dialog->isVisible());
    Edit(IDC_EDGE2)->setText("12000");
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog->GetData().m_dEdges[1], 0.25);
    EXPECT_EQ(m_designed, std::vector<int>({75}));  // designed once, after every field passed
}

TEST_F(EquirippleDialog, ALengthShortestFoundIsDesignedUnquestionedUntilTheValuesChange)
{
    m_shortest = [](const CEquirippleData&) { return CShortestAnswer{20, ""}; };  // far below the estimate, 60
    Open(0.0);
    m_dialog->GetShortestButton()->click();
    EXPECT_EQ(Edit(IDC_LENGTH)->text(), "20");
    int questions = 0;
    {
        CModalWatch<QMessageBox> no(
            [&questions](QMessageBox* box) {
                ++questions;
                box->button(QMessageBox::No)->click();
            },
            ModalExpected::Maybe);
        m_dialog->accept();  // measured to meet the requirements: no question
        EXPECT_EQ(questions, 0);
        EXPECT_EQ(m_designed, std::vector<int>({20}));
        Edit(IDC_ATTENUATION)->setText("61");  // other values: 20 is only far below their estimate
        m_dialog->accept();
    }
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(m_designed, std::vector<int>({20}));
}

class EquirippleCommand : public WorkbenchTest {};

TEST_F(EquirippleCommand, DesignsThroughItsDialogOrSaysWhyNotKeepingWhatWasTyped)
{
    QString message, length;
    bool stayedOpen = false;
    CModalWatch<CEquirippleDlg> refused([&](CEquirippleDlg* dialog) {
        dialog->GetEdit(IDC_RIPPLE)->setText("0.2");
        dialog->GetEdit(IDC_LENGTH)->setText("4001");
        CMessageWatch failure;
        dialog->accept();
        message = failure.Text();
        stayedOpen = dialog->isVisible() && dialog->result() == QDialog::Rejected;
        length = dialog->GetEdit(IDC_LENGTH)->text() + " " + dialog->GetEdit(IDC_RIPPLE)->text();
        dialog->reject();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    EXPECT_TRUE(message.contains("does not converge")) << message.toStdString();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(length, "4001 0.2");
    EXPECT_FALSE(Doc().m_pCoef);
    EXPECT_FALSE(Doc().IsModified());
    CModalWatch<CEquirippleDlg> accepted([](CEquirippleDlg* dialog) {
        dialog->GetEdit(IDC_LENGTH)->setText("61");
        dialog->accept();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 61);
    EXPECT_EQ(Doc().m_dLowCutoff, 0.225);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(EquirippleCommand, AsksBeforeDesigningFarBelowTheEstimateAndTheMeasurementsShowTheMiss)
{
    SaveSampleRate(48000.0);
    QStringList questions;
    const auto answer = [&questions](QMessageBox::StandardButton button) {
        return [&questions, button](QMessageBox* box) {
            questions << box->text();
            box->button(button)->click();
        };
    };
    bool keptOpen = false;
    CModalWatch<CEquirippleDlg> impossible([&](CEquirippleDlg* dialog) {
        dialog->GetEdit(IDC_EDGE1)->setText("4800");
        dialog->GetEdit(IDC_EDGE2)->setText("4801");
        dialog->GetEdit(IDC_LENGTH)->setText("119");
        {
            CModalWatch<QMessageBox> no(answer(QMessageBox::No));
            dialog->accept();
        }
        keptOpen = dialog->isVisible() && dialog->focusWidget() == dialog->GetEdit(IDC_LENGTH);
        CModalWatch<QMessageBox> yes(answer(QMessageBox::Yes));
        dialog->accept();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[0].startsWith("These conditions need about 130368 taps by the length estimate. A design of 119 taps"))
        << questions[0].toStdString();
    EXPECT_TRUE(keptOpen);
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 119);
    QString ripple, attenuation;
    QSize size;
    CModalWatch<CFilterPropertiesDlg> look([&](CFilterPropertiesDlg* dialog) {
        size = dialog->size();
        for (const QLabel* label : dialog->findChildren<QLabel*>())  // no line cut off
            EXPECT_GE(label->height(), label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height())
                << label->text().toStdString();
        ripple = dialog->GetValue("pass-band ripple")->text();
        attenuation = dialog->GetValue("stop-band attenuation")->text();
        dialog->accept();
    });
    Run(ID_VIEW_PROPERTIES);
    EXPECT_TRUE(ripple.startsWith("21.8")) << ripple.toStdString();  // asked for 0.1 dB
    EXPECT_TRUE(attenuation.contains("60 dB asked; misses by")) << attenuation.toStdString();
    EXPECT_LE(size.width(), 760);  // 14 band edges wrap: the figures fit an 800x600 screen
    EXPECT_LE(size.height(), 560);
}
