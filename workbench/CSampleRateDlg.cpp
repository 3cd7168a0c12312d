#include "CSampleRateDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "DialogData.h"
#include "ExchangeFailure.h"
#include "NumberText.h"
#include "Resource.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CSampleRateDlg::CSampleRateDlg(double sampleRate, QWidget* parent)
    : QDialog(parent), m_dSampleRate(sampleRate), m_pEdit(new QLineEdit(QString::fromStdString(WriteSampleRate(sampleRate))))
{
    setWindowTitle(tr("Sampling Frequency"));
    m_pEdit->setObjectName(QString("IDC_%1").arg(IDC_SAMPLERATE));
    auto* grid = new QGridLayout;
    auto* label = new QLabel(tr("Sampling Frequency:"));
    label->setBuddy(m_pEdit);  // names the field in a refusal
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_pEdit, 0, 1);
    grid->addWidget(new QLabel(tr("Hz")), 0, 2);
    grid->addWidget(new QLabel(tr("Leave empty for none: frequencies as fractions of the sampling frequency.")), 1, 0, 1, 3);
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    OpenOnField(this, m_pEdit);
}

void CSampleRateDlg::accept()
{
    double rate = 0.0;
    const std::string text = m_pEdit->text().toStdString();
    const std::optional<double> typed = ParseDouble(text);
    // Only an empty field means none here: a typed 0 is refused with the rest.
    if (ReadSampleRate(IDC_SAMPLERATE, text, rate) || (typed && *typed == 0.0)) {
        ReportExchangeFailure(this, m_pEdit,
            tr("Please enter a number between %1 and %2, or leave the field empty for none.")
                .arg(QString::fromStdString(FormatGeneral(kMinSampleRate, 6)))
                .arg(QString::fromStdString(FormatGeneral(kMaxSampleRate, 6))));
        return;
    }
    m_dSampleRate = rate;
    QDialog::accept();
}
