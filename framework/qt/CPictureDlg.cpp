#include "CPictureDlg.h"

#include "DialogButtons.h"
#include "DialogOpening.h"
#include "Picture.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

CPictureDlg::CPictureDlg(const QSize& size, QWidget* parent)
    : QDialog(parent), m_pWidth(AddSide(size.width())), m_pHeight(AddSide(size.height()))
{
    setWindowTitle(tr("Image Size"));
    QDialogButtonBox* buttons = OkCancelButtons(this, tr("Cancel"));
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Width:"), m_pWidth);
    layout->addRow(tr("Height:"), m_pHeight);
    layout->addRow(buttons);
    OpenOnField(this, m_pWidth);
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
