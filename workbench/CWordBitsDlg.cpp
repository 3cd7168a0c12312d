#include "CWordBitsDlg.h"

#include "CoefficientExport.h"
#include "DialogButtons.h"
#include "DialogOpening.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

CWordBitsDlg::CWordBitsDlg(const QString& fileName, QWidget* parent) : QDialog(parent), m_pBits(new QSpinBox)
{
    setWindowTitle(tr("Word Length"));
    m_pBits->setRange(kMinWordBits, kMaxWordBits);
    m_pBits->setValue(kDefaultWordBits);
    m_pBits->setSuffix(tr(" bits"));
    auto* question = new QLabel(tr("\"%1\" does not say how long its words are.\n"
                                   "Read them as two's-complement words of:").arg(fileName));
    auto* form = new QFormLayout;
    form->addRow(tr("Word length:"), m_pBits);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(form);
    layout->addWidget(OkCancelButtons(this, tr("Cancel")));
    OpenOnField(this, m_pBits);
}

int CWordBitsDlg::GetBits() const { return m_pBits->value(); }
