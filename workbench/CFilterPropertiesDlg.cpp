#include "CFilterPropertiesDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

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

// The figures in a frameless area as wide as they are and at most kMaxFiguresHeight
// pixels high, scrolled when they are taller, so that the dialog fits an 800x600 screen.
constexpr int kMaxFiguresHeight = 460;
QScrollArea* scrolled(QFormLayout* form)
{
    auto* figures = new QWidget;
    figures->setLayout(form);
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(figures);
    const QSize content = figures->sizeHint();
    const bool tall = content.height() > kMaxFiguresHeight;
    area->setMinimumWidth(content.width() + (tall ? area->verticalScrollBar()->sizeHint().width() : 0));
    area->setMinimumHeight(std::min(content.height(), kMaxFiguresHeight));
    return area;
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
            value->setToolTip(tr("The filter misses its requirements here."));
        }
        wrapIfLong(value);
        form->addRow(tr("%1:", "a figure's name as a label").arg(QString::fromStdString(line.strName)), value);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrolled(form));
    layout->addWidget(buttons);
}

QLabel* CFilterPropertiesDlg::GetValue(const std::string& name) const
{
    return findChild<QLabel*>(QString::fromStdString(name));
}
