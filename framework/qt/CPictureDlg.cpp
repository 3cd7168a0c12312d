#include "CPictureDlg.h"

#include "Picture.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

CPictureDlg::CPictureDlg(const QSize& size, QWidget* parent)
    : QDialog(parent), m_pWidth(AddSide(size.width())), m_pHeight(AddSide(size.height()))
{
    setWindowTitle(tr("Image Size"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Width:"), m_pWidth);
    layout->addRow(tr("Height:"), m_pHeight);
    layout->addRow(buttons);
}

QSpinBox* CPictureDlg::AddSide(int value)
{
    auto* box = new QSpinBox;
    box->setRange(kMinPictureSide, kMaxPictureSide);
    box->setSuffix(tr(" pixels"));
    box->setValue(value);
    return box;
}

QSize CPictureDlg::GetSize() const { return QSize(m_pWidth->value(), m_pHeight->value()); }
