#include "CPassBandDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "ExchangeFailure.h"
#include "Resource.h"
#include "ShortestLengthButton.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CPassBandDlg::CPassBandDlg(const CPassBandData& data, const CPassBandShortest& shortest, QWidget* parent)
    : QDialog(parent), m_data(data), m_pTypes(new QButtonGroup(this)), m_shortest(shortest),
      m_pShortest(CreateShortestButton(tr("Shortest")))
{
    setWindowTitle(tr("Designating Pass Band"));
    const CPassBandTexts texts = WritePassBand(data);
    auto* typeBox = new QGroupBox(tr("Type of Filter"));
    auto* typeLayout = new QVBoxLayout(typeBox);
    const char* const typeNames[] = {QT_TR_NOOP("Low Pass Filter"), QT_TR_NOOP("High Pass Filter"),
        QT_TR_NOOP("Band Pass Filter"), QT_TR_NOOP("Band Elimination Filter")};
    for (int type = 0; type < 4; ++type) {
        auto* radio = new QRadioButton(tr(typeNames[type]));
        radio->setObjectName(QString("IDC_RADIO%1").arg(IDC_LOWPASS + type));
        m_pTypes->addButton(radio, type);
        typeLayout->addWidget(radio);
    }
    m_pTypes->button(texts.nType)->setChecked(true);
    auto* cutBox = new QGroupBox(tr("Cut Off Frequency"));
    auto* cutLayout = new QFormLayout(cutBox);
    cutLayout->addRow(tr("Low:"), AddEdit(IDC_LOWCUT, texts.strLow));
    cutLayout->addRow(tr("High:"), AddEdit(IDC_HIGHCUT, texts.strHigh));
    cutLayout->addRow(new QLabel(tr("As per Sampling Frequency")));
    auto* form = new QFormLayout;
    form->addRow(tr("Filter Length:"), AddEdit(IDC_LENGTH, texts.strLength));
    connect(m_pShortest, &QPushButton::clicked, this, &CPassBandDlg::FindShortest);
    form->addRow(QString(), m_pShortest);  // below the length, so that the dialog keeps its width
    form->addRow(tr("Outband Attn:"), AddEdit(IDC_ATTENUATION, texts.strAttenuation));
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("ｷｬﾝｾﾙ"));
    auto* layout = new QVBoxLayout(this);
    for (QWidget* box : {static_cast<QWidget*>(typeBox), static_cast<QWidget*>(cutBox)})
        layout->addWidget(box);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(m_pTypes, &QButtonGroup::idClicked, this, &CPassBandDlg::OnTypeChosen);
    OnTypeChosen(texts.nType);
    OpenOnField(this, GetEdit(IDC_LOWCUT));
}

QLineEdit* CPassBandDlg::AddEdit(int id, const std::string& text)
{
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(QString("IDC_%1").arg(id));
    m_edits[id] = edit;
    return edit;
}

void CPassBandDlg::OnTypeChosen(int type) { m_edits.at(IDC_HIGHCUT)->setEnabled(type > 1); }

CPassBandTexts CPassBandDlg::CurrentTexts() const
{
    CPassBandTexts texts;
    texts.strLow = GetEdit(IDC_LOWCUT)->text().toStdString();
    texts.nType = m_pTypes->checkedId();
    texts.strLength = GetEdit(IDC_LENGTH)->text().toStdString();
    texts.strAttenuation = GetEdit(IDC_ATTENUATION)->text().toStdString();
    texts.strHigh = GetEdit(IDC_HIGHCUT)->text().toStdString();
    return texts;
}

void CPassBandDlg::FindShortest()
{
    CPassBandData conditions = m_data;
    if (const auto failure = ReadPassBandConditions(CurrentTexts(), conditions)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    ShowShortestAnswer(this, GetEdit(IDC_LENGTH), m_shortest(conditions));
}

void CPassBandDlg::accept()
{
    if (const auto failure = ReadPassBand(CurrentTexts(), m_data)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    QDialog::accept();
}
