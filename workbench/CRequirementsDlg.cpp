#include "CRequirementsDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "ExchangeFailure.h"
#include "Resource.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

namespace {

// The labels of the band edges of each filter type, in increasing frequency.
const char* const kEdgeLabels[4][4] = {
    {QT_TRANSLATE_NOOP("CRequirementsDlg", "Pass Band Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Stop Band Edge:"), "", ""},
    {QT_TRANSLATE_NOOP("CRequirementsDlg", "Stop Band Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Pass Band Edge:"), "", ""},
    {QT_TRANSLATE_NOOP("CRequirementsDlg", "Lower Stop Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Lower Pass Edge:"),
        QT_TRANSLATE_NOOP("CRequirementsDlg", "Upper Pass Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Upper Stop Edge:")},
    {QT_TRANSLATE_NOOP("CRequirementsDlg", "Lower Pass Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Lower Stop Edge:"),
        QT_TRANSLATE_NOOP("CRequirementsDlg", "Upper Stop Edge:"), QT_TRANSLATE_NOOP("CRequirementsDlg", "Upper Pass Edge:")},
};

}  // namespace

CRequirementsDlg::CRequirementsDlg(const CRequirements& requirements, double sampleRateHz, QWidget* parent)
    : QDialog(parent), m_requirements(requirements), m_dSampleRateHz(sampleRateHz), m_pTypes(new QButtonGroup(this))
{
    setWindowTitle(tr("Filter Requirements"));
    const CRequirementsTexts texts = WriteRequirements(requirements, sampleRateHz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateTypeBox(texts.nType));
    layout->addWidget(CreateEdgeBox(texts));
    layout->addLayout(CreateToleranceForm(texts));
    layout->addWidget(OkCancelButtons(this, tr("Cancel")));
    OnTypeChosen(texts.nType);
    OpenOnField(this, GetEdit(IDC_EDGE1));
}

QWidget* CRequirementsDlg::CreateTypeBox(int type)
{
    auto* box = new QGroupBox(tr("Type of Filter"));
    auto* layout = new QVBoxLayout(box);
    const QString names[] = {tr("Low Pass Filter"), tr("High Pass Filter"), tr("Band Pass Filter"), tr("Band Elimination Filter")};
    for (int t = 0; t < 4; ++t) {
        auto* radio = new QRadioButton(names[t]);
        radio->setObjectName(QString("IDC_RADIO%1").arg(IDC_LOWPASS + t));
        m_pTypes->addButton(radio, t);
        layout->addWidget(radio);
    }
    m_pTypes->button(type)->setChecked(true);
    connect(m_pTypes, &QButtonGroup::idClicked, this, &CRequirementsDlg::OnTypeChosen);
    return box;
}

QWidget* CRequirementsDlg::CreateEdgeBox(const CRequirementsTexts& texts)
{
    auto* box = new QGroupBox(tr("Band Edges"));
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 4; ++i) {
        m_edgeLabels[static_cast<size_t>(i)] = new QLabel;
        grid->addWidget(m_edgeLabels[static_cast<size_t>(i)], i, 0);
        grid->addWidget(AddEdit(IDC_EDGE1 + i, texts.strEdges[static_cast<size_t>(i)]), i, 1);
        m_edgeLabels[static_cast<size_t>(i)]->setBuddy(GetEdit(IDC_EDGE1 + i));  // names the field in a refusal
    }
    grid->addWidget(new QLabel(m_dSampleRateHz > 0.0 ? tr("Hz") : tr("As per Sampling Frequency")), 4, 0, 1, 2);
    return box;
}

QLayout* CRequirementsDlg::CreateToleranceForm(const CRequirementsTexts& texts)
{
    auto* grid = new QGridLayout;
    const std::pair<QString, int> rows[] = {
        {tr("Pass-Band Ripple:"), IDC_RIPPLE}, {tr("Stop-Band Attenuation:"), IDC_ATTENUATION}};
    const std::string values[] = {texts.strRipple, texts.strAttenuation};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(rows[row].first);
        grid->addWidget(label, row, 0);
        grid->addWidget(AddEdit(rows[row].second, values[row]), row, 1);
        label->setBuddy(GetEdit(rows[row].second));  // names the field in a refusal
        grid->addWidget(new QLabel(tr("dB")), row, 2);
    }
    return grid;
}

QLineEdit* CRequirementsDlg::AddEdit(int id, const std::string& text)
{
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(QString("IDC_%1").arg(id));
    m_edits[id] = edit;
    return edit;
}

void CRequirementsDlg::OnTypeChosen(int type)
{
    for (int i = 0; i < 4; ++i) {
        const bool used = i < RequirementEdgeCount(type);
        m_edgeLabels[static_cast<size_t>(i)]->setText(used ? tr(kEdgeLabels[type][i]) : QString());
        GetEdit(IDC_EDGE1 + i)->setEnabled(used);
    }
}

void CRequirementsDlg::accept()
{
    CRequirementsTexts texts;
    texts.nType = m_pTypes->checkedId();
    for (size_t i = 0; i < texts.strEdges.size(); ++i)
        texts.strEdges[i] = GetEdit(IDC_EDGE1 + static_cast<int>(i))->text().toStdString();
    texts.strRipple = GetEdit(IDC_RIPPLE)->text().toStdString();
    texts.strAttenuation = GetEdit(IDC_ATTENUATION)->text().toStdString();
    if (const auto failure = ReadRequirements(texts, m_dSampleRateHz, m_requirements)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    QDialog::accept();
}
