#include "CLengthEstimateDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "ExchangeFailure.h"
#include "Resource.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CLengthEstimateDlg::CLengthEstimateDlg(const CLengthEstimateData& data, QWidget* parent)
    : QDialog(parent), m_data(data)
{
    setWindowTitle(tr("Estimating Filter Length"));
    const CLengthEstimateTexts texts = WriteLengthEstimate(data);
    auto* grid = new QGridLayout;
    AddRow(grid, IDC_RIPPLE, tr("Inband Ripple:"), texts.strRipple, tr("dB"));
    AddRow(grid, IDC_ATTENUATION, tr("Outband Attn.:"), texts.strAttenuation, tr("dB"));
    AddRow(
        grid, IDC_TRANSITION, tr("Transient\n   Band Width:"), texts.strTransition, tr("(as per sampling frequency)"));
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("ｷｬﾝｾﾙ"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    OpenOnField(this, GetEdit(IDC_RIPPLE));
}

void CLengthEstimateDlg::AddRow(QGridLayout* grid, int id, const QString& label,
    const std::string& text, const QString& unit)
{
    auto* edit = new QLineEdit(QString::fromStdString(text));
    edit->setObjectName(QString("IDC_%1").arg(id));
    m_edits[id] = edit;
    const int row = grid->rowCount();
    auto* name = new QLabel(label);
    name->setBuddy(edit);  // names the field in a refusal
    grid->addWidget(name, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

void CLengthEstimateDlg::accept()
{
    CLengthEstimateTexts texts;
    texts.strRipple = GetEdit(IDC_RIPPLE)->text().toStdString();
    texts.strAttenuation = GetEdit(IDC_ATTENUATION)->text().toStdString();
    texts.strTransition = GetEdit(IDC_TRANSITION)->text().toStdString();
    if (const auto failure = ReadLengthEstimate(texts, m_data)) {
        ReportExchangeFailure(this, GetEdit(failure->nControl), QString::fromStdString(failure->strMessage));
        return;
    }
    QDialog::accept();
}
