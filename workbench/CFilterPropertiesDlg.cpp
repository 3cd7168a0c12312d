#include "CFilterPropertiesDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

CFilterPropertiesDlg::CFilterPropertiesDlg(const std::vector<CReportLine>& lines, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Filter Properties"));
    auto* form = new QFormLayout;
    for (const CReportLine& line : lines) {
        auto* value = new QLabel(QString::fromStdString(line.strValue));
        value->setObjectName(QString::fromStdString(line.strName));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (line.bMarked) {
            value->setStyleSheet("color: red; font-weight: bold");
            value->setToolTip(tr("The filter misses its requirements here."));
        }
        form->addRow(tr("%1:", "a figure's name as a label").arg(QString::fromStdString(line.strName)), value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QLabel* CFilterPropertiesDlg::GetValue(const std::string& name) const
{
    return findChild<QLabel*>(QString::fromStdString(name));
}
