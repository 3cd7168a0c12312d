#include "CSampleRateDlg.h"

#include "DialogButtons.h"
#include "DialogData.h"
#include "ExchangeFailure.h"
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
    grid->addWidget(new QLabel(tr("Sampling Frequency:")), 0, 0);
    grid->addWidget(m_pEdit, 0, 1);
    grid->addWidget(new QLabel(tr("Hz")), 0, 2);
    grid->addWidget(new QLabel(tr("Leave empty for none: frequencies as fractions of the sampling frequency.")), 1, 0, 1, 3);
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CSampleRateDlg::accept()
{
    double rate = 0.0;
    if (const auto failure = ReadSampleRate(IDC_SAMPLERATE, m_pEdit->text().toStdString(), rate)) {
        ReportExchangeFailure(this, m_pEdit, QString::fromStdString(failure->strMessage));
        return;
    }
    m_dSampleRate = rate;
    QDialog::accept();
}
