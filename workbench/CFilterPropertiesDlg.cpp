#include "CFilterPropertiesDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Wraps a value wider than 48 average characters (the lists of band edges) at that width,
// as tall as its lines need, so that the dialog fits a small screen.
void wrapIfLong(QLabel* value)
{
    value->ensurePolished();  // the style sheet's bold font decides the width
    const int width = 48 * value->fontMetrics().averageCharWidth();
    if (value->sizeHint().width() <= width)
        return;
    value->setWordWrap(true);
    value->setFixedWidth(width);
    value->setMinimumHeight(value->heightForWidth(width));
}

}  // namespace

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
            value->setToolTip(tr("The achieved attenuation misses the asked one by more than 1 dB."));
        }
        wrapIfLong(value);
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
