// The two design dialogs: what they show when they open, and what OK accepts or refuses,
// field by field in exchange order.
#include "CEquirippleDlg.h"
#include "CExportDlg.h"
#include "CLengthEstimateDlg.h"
#include "CPassBandDlg.h"
#include "CRequirementsDlg.h"
#include "CSampleRateDlg.h"
#include "CWordBitsDlg.h"
#include "Resource.h"
#include "WorkbenchSettings.h"
#include "WorkbenchTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// Presses OK on dialog; returns the message a refusal showed (empty when accepted).
QString pressOk(QDialog& dialog)
{
    CMessageWatch message(ModalExpected::Maybe);
    dialog.accept();
    return message.Text();
}

// The document's defaults: length 0, attenuation 60, cut-offs 0 and 0.5.
CPassBandData documentDefaults()
{
    CPassBandData data;
    data.m_nFilterLength = 0;
    data.m_dOutbandAttn = 60.0;
    data.m_dLow = 0.0;
    data.m_dHigh = 0.5;
    return data;
}

class PassBandDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApplication();
        m_dialog = std::make_unique<CPassBandDlg>(documentDefaults(), CPassBandShortest(), nullptr);
        m_dialog->show();
    }
    QLineEdit* Edit(int id) { return m_dialog->GetEdit(id); }
    void Fill(const QString& low, const QString& length, const QString& attenuation)
    {
        Edit(IDC_LOWCUT)->setText(low);
        Edit(IDC_LENGTH)->setText(length);
        Edit(IDC_ATTENUATION)->setText(attenuation);
    }
    void ChooseType(int type)
    {
        auto* radio = m_dialog->findChild<QRadioButton*>(QString("IDC_RADIO%1").arg(IDC_LOWPASS + type));
        QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(8, radio->height() / 2));  // on its circle
    }
    // After a refusal: the focus is on edit id with all its text selected, and the dialog is open.
    void ExpectRefusedAt(int id)
    {
        EXPECT_EQ(m_dialog->focusWidget(), Edit(id));
        EXPECT_EQ(Edit(id)->selectedText(), Edit(id)->text());
        EXPECT_TRUE(m_dialog->isVisible());
        EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    }

    std::unique_ptr<CPassBandDlg> m_dialog;
};

}  // namespace

TEST_F(PassBandDialog, OpensOnTheDocumentWithLowPassAndTheHighEditDisabledAndEmpty)
{
    EXPECT_EQ(m_dialog->windowTitle(), "Designating Pass Band");
    EXPECT_EQ(Edit(IDC_LOWCUT)->text(), "0");
    EXPECT_EQ(Edit(IDC_LENGTH)->text(), "0");
    EXPECT_EQ(Edit(IDC_ATTENUATION)->text(), "60");
    EXPECT_EQ(Edit(IDC_HIGHCUT)->text(), "");
    EXPECT_FALSE(Edit(IDC_HIGHCUT)->isEnabled());
    EXPECT_TRUE(m_dialog->findChild<QRadioButton*>("IDC_RADIO1004")->isChecked());
}

TEST_F(PassBandDialog, RadioButtonsEnableTheHighEditForTheBandTypesOnly)
{
    const bool expected[] = {false, false, true, true};
    for (int type : {2, 0, 3, 1}) {
        ChooseType(type);
        EXPECT_EQ(Edit(IDC_HIGHCUT)->isEnabled(), expected[type]) << type;
    }
}

TEST_F(PassBandDialog, LengthZeroIsRefusedUntilOneTo4096IsEntered)
{
    EXPECT_EQ(pressOk(*m_dialog), "Filter Length: Please enter an integer between 1 and 4096.");
    ExpectRefusedAt(IDC_LENGTH);
    for (const char* bad : {"4097", "-1", "12.5", "abc", ""}) {
        Edit(IDC_LENGTH)->setText(bad);
        EXPECT_EQ(pressOk(*m_dialog), "Filter Length: Please enter an integer between 1 and 4096.") << bad;
    }
    Edit(IDC_LENGTH)->setText("4096");
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog->GetData().m_nFilterLength, 4096);
}

TEST_F(PassBandDialog, FieldsAreCheckedInExchangeOrderAndOnlyTheFirstBadOneIsReported)
{
    Fill("0.7", "0", "2000");
    EXPECT_EQ(pressOk(*m_dialog), "Low: Please enter a number between 0 and 0.5.");
    ExpectRefusedAt(IDC_LOWCUT);
    Edit(IDC_LOWCUT)->setText("0.25");
    EXPECT_EQ(pressOk(*m_dialog), "Filter Length: Please enter an integer between 1 and 4096.");
    ExpectRefusedAt(IDC_LENGTH);
    Edit(IDC_LENGTH)->setText("31");
    EXPECT_EQ(pressOk(*m_dialog), "Outband Attn: Please enter a number between 0 and 1000.");
    ExpectRefusedAt(IDC_ATTENUATION);
    for (const char* notANumber : {"nan", "inf", "1e999", "60dB"}) {
        Edit(IDC_ATTENUATION)->setText(notANumber);
        EXPECT_NE(pressOk(*m_dialog), "") << notANumber;
    }
    Edit(IDC_ATTENUATION)->setText("60");
    EXPECT_EQ(pressOk(*m_dialog), "");
    const CPassBandData& data = m_dialog->GetData();
    EXPECT_EQ(data.m_nType, 0);
    EXPECT_EQ(data.m_dLow, 0.25);
    EXPECT_EQ(data.m_nFilterLength, 31);
    EXPECT_EQ(data.m_dOutbandAttn, 60.0);
    EXPECT_EQ(data.m_dHigh, 0.5);  // not exchanged for a low pass
}

TEST_F(PassBandDialog, BandTypesNeedAHighCutOffAboveLowUpToHalf)
{
    Fill("0.1", "64", "50");
    ChooseType(2);
    EXPECT_EQ(pressOk(*m_dialog), "High: Please enter a number greater than 0.1 and at most 0.5.");  // left empty
    ExpectRefusedAt(IDC_HIGHCUT);
    for (const char* bad : {"0.05", "0.1", "0.51"}) {  // 0.1: a band of no width
        Edit(IDC_HIGHCUT)->setText(bad);
        EXPECT_EQ(pressOk(*m_dialog), "High: Please enter a number greater than 0.1 and at most 0.5.") << bad;
        ExpectRefusedAt(IDC_HIGHCUT);
    }
    Edit(IDC_HIGHCUT)->setText("0.2");
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->GetData().m_nType, 2);
    EXPECT_EQ(m_dialog->GetData().m_dHigh, 0.2);
}

TEST_F(PassBandDialog, HighPassIgnoresWhateverTheDisabledHighEditHolds)
{
    Fill("0.3", "15", "40");
    ChooseType(3);
    Edit(IDC_HIGHCUT)->setText("rubbish");
    ChooseType(1);
    EXPECT_EQ(pressOk(*m_dialog), "");
    EXPECT_EQ(m_dialog->GetData().m_nType, 1);
    EXPECT_EQ(m_dialog->GetData().m_dHigh, 0.5);
}

TEST(LengthEstimateDialog, OpensAtZeroAndRefusesEachFieldByNameWithItsTrueRange)
{
    TestApplication();
    CLengthEstimateDlg dialog(CLengthEstimateData(), nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Estimating Filter Length");
    for (int id : {IDC_RIPPLE, IDC_ATTENUATION, IDC_TRANSITION})
        EXPECT_EQ(dialog.GetEdit(id)->text(), "0");
    EXPECT_EQ(pressOk(dialog), "Outband Attn.: Please enter a number between 0.0001 and 100000.");
    EXPECT_EQ(dialog.focusWidget(), dialog.GetEdit(IDC_ATTENUATION));
    dialog.GetEdit(IDC_ATTENUATION)->setText("60");
    // No length reaches a ripple of 0 dB: 0 is refused as -1 and 201 are, with the same range.
    for (const char* ripple : {"201", "-1", "0"}) {
        dialog.GetEdit(IDC_RIPPLE)->setText(ripple);
        EXPECT_EQ(pressOk(dialog), "Inband Ripple: Please enter a number greater than 0 and at most 200.") << ripple;
        EXPECT_EQ(dialog.focusWidget(), dialog.GetEdit(IDC_RIPPLE));
    }
    dialog.GetEdit(IDC_RIPPLE)->setText("0.1");
    EXPECT_EQ(pressOk(dialog), "Transient Band Width: Please enter a number between 1e-06 and 0.5.");
    EXPECT_EQ(dialog.focusWidget(), dialog.GetEdit(IDC_TRANSITION));
    dialog.GetEdit(IDC_TRANSITION)->setText("0.000001");  // in range, but the length exceeds 65535
    EXPECT_TRUE(pressOk(dialog).startsWith("Transient Band Width: The estimated filter length, about "));
    EXPECT_EQ(dialog.GetEdit(IDC_TRANSITION)->text(), "0.000001");
    dialog.GetEdit(IDC_TRANSITION)->setText("0.05");
    EXPECT_EQ(pressOk(dialog), "");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetData().m_dOutbandAttn, 60.0);
    EXPECT_EQ(dialog.GetData().m_dInbandRipple, 0.1);
    EXPECT_EQ(dialog.GetData().m_dTransition, 0.05);
}

TEST(SampleRateDialog, TakesHertzOrAnEmptyFieldAndRefusesTheRestAndZero)
{
    TestApplication();
    CSampleRateDlg dialog(48000.0, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Sampling Frequency");
    EXPECT_EQ(dialog.GetEdit()->text(), "48000");
    for (const char* bad : {"-5", "abc", "2e12", "0", "0.0", "1e-308"}) {
        dialog.GetEdit()->setText(bad);
        EXPECT_EQ(pressOk(dialog),
            "Sampling Frequency: Please enter a number between 0.001 and 1e+12, or leave the field empty for none.")
            << bad;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    dialog.GetEdit()->setText("44100");
    EXPECT_EQ(pressOk(dialog), "");
    EXPECT_EQ(dialog.GetSampleRate(), 44100.0);
    EXPECT_EQ(CSampleRateDlg(0.0, nullptr).GetEdit()->text(), "");  // none
}

TEST(DialogOpening, EveryDialogOpensOnItsFirstFieldReadyToTypeOverAndShowsItsTitleWhole)
{
    TestApplication();
    const CRealArray coefficients(5);
    struct CCase {
        std::function<QDialog*()> make;
        std::function<QWidget*(QDialog*)> firstField;
    };
    const CCase cases[] = {
        {[] { return new CPassBandDlg(documentDefaults(), CPassBandShortest(), nullptr); },
            [](QDialog* d) { return static_cast<CPassBandDlg*>(d)->GetEdit(IDC_LOWCUT); }},
        {[] { return new CLengthEstimateDlg(CLengthEstimateData(), nullptr); },
            [](QDialog* d) { return static_cast<CLengthEstimateDlg*>(d)->GetEdit(IDC_RIPPLE); }},
        {[] {
             return new CEquirippleDlg(CEquirippleData(), 0.0, CEquirippleShortest(),
                 [](const CEquirippleData&) { return std::string(); }, nullptr);
         },
            [](QDialog* d) { return static_cast<CEquirippleDlg*>(d)->GetEdit(IDC_EDGE1); }},
        {[] { return new CRequirementsDlg(CRequirements(), 0.0, nullptr); },
            [](QDialog* d) { return static_cast<CRequirementsDlg*>(d)->GetEdit(IDC_EDGE1); }},
        {[] { return new CSampleRateDlg(48000.0, nullptr); },
            [](QDialog* d) { return static_cast<CSampleRateDlg*>(d)->GetEdit(); }},
        {[&coefficients] { return new CExportDlg(coefficients, std::nullopt, CCoefficientExportChoice(), nullptr); },
            [](QDialog* d) { return static_cast<CExportDlg*>(d)->GetFormatBox(); }},
        {[] { return new CWordBitsDlg("plain.hex", nullptr); },
            [](QDialog* d) { return static_cast<CWordBitsDlg*>(d)->GetBitsBox(); }},
    };
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    for (const CCase& c : cases) {
        const std::unique_ptr<QDialog> dialog(c.make());
        dialog->show();
        const std::string title = dialog->windowTitle().toStdString();
        QWidget* field = c.firstField(dialog.get());
        EXPECT_EQ(dialog->focusWidget(), field) << title;
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            EXPECT_EQ(edit->selectedText(), edit->text()) << title;
        }
        EXPECT_GE(dialog->width(), QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + 100) << title;
    }
}

TEST_F(WorkbenchTest, SampleRateTypedIntoTheOpenedDialogAndEnterIsTaken)
{
    CModalWatch<CSampleRateDlg> type([](CSampleRateDlg* dialog) {
        QTest::keyClicks(dialog->focusWidget(), "44100");
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    Run(ID_VIEW_SAMPLERATE);
    EXPECT_EQ(LoadSampleRate(), 44100.0);
}
