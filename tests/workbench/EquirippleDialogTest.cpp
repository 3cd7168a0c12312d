// The equiripple dialog and its command, as the user meets them.
#include "CEquirippleDlg.h"
#include "CFilterPropertiesDlg.h"
#include "FilterTypes.h"
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

TEST_F(EquirippleDialog, LaysOutEveryControlWithoutOverlap)
{
    Open(0.0);
    QList<QWidget*> shown;
    for (QWidget* w : m_dialog->findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)))
            shown.append(w);
    const auto onDialog = [this](QWidget* w) { return QRect(w->mapTo(m_dialog.get(), QPoint(0, 0)), w->size()); };
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(onDialog(shown[i]).intersects(onDialog(shown[j])))
                << shown[i]->objectName().toStdString() << " '" << shown[i]->property("text").toString().toStdString()
                << "' overlaps " << shown[j]->objectName().toStdString() << " '"
                << shown[j]->property("text").toString().toStdString() << "'";
    // Use Estimate beside the length, Shortest below it, the weights above both.
    const QRect length = onDialog(Edit(IDC_LENGTH));
    const QRect shortest = onDialog(m_dialog->findChild<QPushButton*>(QString("IDC_%1").arg(IDC_SHORTEST)));
    EXPECT_EQ(onDialog(m_dialog->GetEstimateButton()).center().y(), length.center().y());
    EXPECT_GT(shortest.top(), length.bottom());
    EXPECT_LT(onDialog(Edit(IDC_WEIGHTS)).bottom(), length.top());
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
    // The band weights: empty shows where the weights come from; a low pass takes two.
    EXPECT_EQ(Edit(IDC_WEIGHTS)->text(), "");
    EXPECT_EQ(Edit(IDC_WEIGHTS)->placeholderText(), "from ripple and attenuation");
    const QFontMetrics metrics = Edit(IDC_WEIGHTS)->fontMetrics();  // the placeholder shown whole
    EXPECT_GE(Edit(IDC_WEIGHTS)->contentsRect().width() - 2 * metrics.averageCharWidth(),
        metrics.horizontalAdvance(Edit(IDC_WEIGHTS)->placeholderText()));
    Edit(IDC_WEIGHTS)->setText("1,30,1");
    const QString weightsRefusal = pressOk(*m_dialog);
    EXPECT_TRUE(weightsRefusal.contains("Please enter 2 weights, one for each band")) << weightsRefusal.toStdString();
    EXPECT_EQ(m_dialog->focusWidget(), Edit(IDC_WEIGHTS));
    Edit(IDC_WEIGHTS)->setText("1,30");
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog->GetData().m_dEdges[1], 0.25);
    EXPECT_EQ(m_dialog->GetData().m_weights, std::vector<double>({1.0, 30.0}));
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

TEST_F(EquirippleCommand, DesignsThroughItsDialogEvenAtTheRoundingFloor)
{
    // Far longer than its bands need: its errors lie below what double coefficients hold,
    // and it is designed at that floor rather than refused.
    QString message;
    CModalWatch<CEquirippleDlg> atFloor([&message](CEquirippleDlg* dialog) {
        dialog->GetEdit(IDC_LENGTH)->setText("4001");
        CMessageWatch failure(ModalExpected::Maybe);
        dialog->accept();
        message = failure.Text();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    EXPECT_EQ(message, "");
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 4001);
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
    EXPECT_TRUE(ripple.contains("misses the asked 0.1 dB by 21.")) << ripple.toStdString();
    EXPECT_TRUE(attenuation.contains("60 dB asked; misses by")) << attenuation.toStdString();
    EXPECT_LE(size.width(), 760);  // 14 band edges wrap: the figures fit an 800x600 screen
    EXPECT_LE(size.height(), 560);
}

TEST_F(EquirippleDialog, TheTypesOnlyThisDesignMakesShowTheirOwnFields)
{
    Open(0.0);
    const struct {
        int type;
        std::vector<QString> labels;  // of the edges in use
        bool bands, weights;
    } cases[] = {
        {Multiband, {}, true, false},
        {Differentiator, {}, true, false},
        {Hilbert, {"Lower Band Edge:", "Upper Band Edge:"}, false, false},
        {HalfBand, {"Pass Band Edge:"}, false, false},
        {BandPass, {"Lower Stop Edge:", "Lower Pass Edge:", "Upper Pass Edge:", "Upper Stop Edge:"}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const QString name = c.type < 4 ? QString("IDC_RADIO%1").arg(IDC_LOWPASS + c.type) : QString("IDC_TYPE%1").arg(c.type);
        QRadioButton* radio = m_dialog->findChild<QRadioButton*>(name);
        ASSERT_TRUE(radio);
        QTest::mouseClick(radio, Qt::LeftButton);
        EXPECT_TRUE(radio->isChecked());
        for (int i = 0; i < 4; ++i) {
            const bool used = static_cast<size_t>(i) < c.labels.size();
            EXPECT_EQ(m_dialog->GetEdgeLabel(i)->text(), used ? c.labels[static_cast<size_t>(i)] : QString()) << i;
            EXPECT_EQ(Edit(IDC_EDGE1 + i)->isEnabled(), used) << i;
        }
        EXPECT_EQ(Edit(IDC_BANDS)->isEnabled(), c.bands);
        EXPECT_EQ(Edit(IDC_WEIGHTS)->isEnabled(), c.weights);
    }
}

TEST_F(EquirippleDialog, ReadsTheBandsOfAMultibandFilterInHzOrSaysHowToWriteThem)
{
    Open(48000.0);
    EXPECT_EQ(Edit(IDC_BANDS)->text(), "0,9600,1;12000,24000,0");
    QTest::mouseClick(m_dialog->findChild<QRadioButton*>(QString("IDC_TYPE%1").arg(Multiband)), Qt::LeftButton);
    EXPECT_TRUE(NextEstimate(Estimate()).contains("no length estimate")) << Estimate().toStdString();
    EXPECT_FALSE(m_dialog->GetEstimateButton()->isEnabled());
    Edit(IDC_BANDS)->setText("0,4800,1;4000,24000,0");
    EXPECT_TRUE(pressOk(*m_dialog).startsWith("Please enter 1 to 6 bands separated by ';'"));
    EXPECT_EQ(m_dialog->focusWidget(), Edit(IDC_BANDS));
    EXPECT_TRUE(m_dialog->isVisible());
    Edit(IDC_BANDS)->setText("0,4800,1; 7200,24000,0,20");
    Edit(IDC_LENGTH)->setText("41");
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog->GetData().m_nType, Multiband);
    EXPECT_EQ(m_dialog->GetData().m_bands, (std::vector<CEquirippleBand>{{0.0, 0.1, 1.0, 1.0}, {0.15, 0.5, 0.0, 20.0}}));
}

TEST_F(EquirippleCommand, DesignsAHilbertTransformerWithItsRequirements)
{
    CModalWatch<CEquirippleDlg> accepted([](CEquirippleDlg* dialog) {
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QString("IDC_TYPE%1").arg(Hilbert)), Qt::LeftButton);
        dialog->GetEdit(IDC_EDGE1)->setText("0.05");
        dialog->GetEdit(IDC_EDGE2)->setText("0.5");
        dialog->GetEdit(IDC_LENGTH)->setText("32");
        dialog->accept();
    });
    Run(ID_TOOL_EQUIRIPPLE);
    ASSERT_TRUE(Doc().m_pCoef);
    EXPECT_EQ(Doc().m_pCoef->GetSize(), 32);
    ASSERT_TRUE(Doc().m_requirements);
    EXPECT_EQ(*Doc().m_requirements, (CRequirements{Hilbert, {0.05, 0.5}, 0.1, 60.0, {1.0}}));
    EXPECT_TRUE(Doc().Measure().MeetsRequirements());
    EXPECT_TRUE(Doc().IsModified());
}
