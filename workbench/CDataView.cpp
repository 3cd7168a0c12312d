#include "CDataView.h"

#include "CFilterDoc.h"
#include "CFilterView.h"
#include "ExchangeFailure.h"
#include "NumberText.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <tuple>

namespace {

// A rectangle given in dialog units of font metrics fm, in pixels: a horizontal unit is a
// quarter of the average character width, a vertical unit an eighth of the line height.
QRect dialogRect(const QFontMetrics& fm, int x, int y, int w, int h)
{
    const double ux = fm.averageCharWidth() / 4.0, uy = fm.height() / 8.0;
    return QRect(qRound(x * ux), qRound(y * uy), qRound(w * ux), qRound(h * uy));
}

// Scroll bar position from which both arrows always move (its range is 0 .. 2).
constexpr int kScrollMiddle = 1;

// The width an edit needs to show text whole.
int editWidthFor(const QLineEdit* edit, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QSize contents(edit->fontMetrics().horizontalAdvance(text) + 6, edit->fontMetrics().height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, edit).width();
}

}  // namespace

CDataView::CDataView(CFilterDoc& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_pXAxis(new QLineEdit(this)),
      m_pYAxis(new QLineEdit(this)),
      m_pShowNext(new QPushButton(tr("Show &Next"), this)),
      m_pWriteData(new QPushButton(tr("&Write Data"), this)),
      m_pReload(new QPushButton(tr("&Reload"), this)),
      m_pXScroll(new QScrollBar(Qt::Vertical, this))
{
    setObjectName("CDataView");
    m_pXAxis->setObjectName("IDC_XAXIS");
    m_pYAxis->setObjectName("IDC_YAXIS");
    m_pShowNext->setObjectName("IDC_SHOWNEXT");
    m_pWriteData->setObjectName("IDC_WRITEDATA");
    m_pReload->setObjectName("IDC_RELOAD");
    m_pXScroll->setObjectName("IDC_XSCROLL");
    m_pShowNext->setDefault(true);
    m_pXScroll->setFocusPolicy(Qt::NoFocus);
    m_pXScroll->setRange(0, 2 * kScrollMiddle);
    m_pXScroll->setValue(kScrollMiddle);
    setFocusProxy(m_pXAxis);
    PlaceControls();
    connect(m_pXScroll, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderSingleStepSub)
            OnLineUp();
        else if (action == QAbstractSlider::SliderSingleStepAdd)
            OnLineDown();
        m_pXScroll->setSliderPosition(kScrollMiddle);
    });
    connect(m_pShowNext, &QPushButton::clicked, this, &CDataView::OnShowNext);
    connect(m_pXAxis, &QLineEdit::returnPressed, this, &CDataView::OnShowNext);
    connect(m_pYAxis, &QLineEdit::returnPressed, this, &CDataView::OnShowNext);
    connect(m_pReload, &QPushButton::clicked, this, &CDataView::OnReload);
    connect(m_pWriteData, &QPushButton::clicked, this, &CDataView::OnWriteData);
    connect(m_pXAxis, &QLineEdit::textChanged, this, [this] {
        if (!m_bExchanging)
            OnChangeXAxis();
    });
    m_doc.AddView(this);
    UpdateData(false);
}

CDataView::~CDataView() { m_doc.RemoveView(this); }

// The controls where the form's template puts them, the boxes widened where the template's
// widths cannot show an index of 5 digits or a whole value of 15 significant digits with
// its exponent; what stands right of a widened box moves along. Tab order is creation order.
void CDataView::PlaceControls()
{
    const QFontMetrics fm = fontMetrics();
    const QRect x = dialogRect(fm, 7, 16, 19, 14), y = dialogRect(fm, 39, 16, 77, 14);
    const int xMore = std::max(0, editWidthFor(m_pXAxis, "00000") - x.width());
    const int yMore = std::max(0, editWidthFor(m_pYAxis, "-8.88888888888888e-308") - y.width());
    m_pXAxis->setGeometry(x.adjusted(0, 0, xMore, 0));
    m_pYAxis->setGeometry(y.adjusted(xMore, 0, xMore + yMore, 0));
    m_pShowNext->setGeometry(dialogRect(fm, 123, 16, 42, 14).translated(xMore + yMore, 0));
    m_pWriteData->setGeometry(dialogRect(fm, 180, 16, 50, 14).translated(xMore + yMore, 0));
    m_pReload->setGeometry(dialogRect(fm, 235, 16, 50, 14).translated(xMore + yMore, 0));
    for (const auto& [text, left, shift, box] :
        {std::tuple(tr("X-Axis"), 7, 0, m_pXAxis), std::tuple(tr("Y-Axis"), 40, xMore, m_pYAxis)}) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);  // names the box in a refusal
        QRect rect = dialogRect(fm, left, 8, 22, 8).translated(shift, 0);
        rect.setWidth(std::max(rect.width(), label->sizeHint().width()));  // never clip the text
        label->setGeometry(rect);
    }
    m_pXScroll->setGeometry(dialogRect(fm, 24, 17, 10, 13).translated(xMore, 0));
    m_pXScroll->raise();
    m_size = QSize(dialogRect(fm, 0, 0, 292, 38).width() + xMore + yMore, dialogRect(fm, 0, 0, 292, 38).height());
}

QSize CDataView::sizeHint() const { return m_size; }

QSize CDataView::minimumSizeHint() const { return QSize(0, m_pXAxis->geometry().bottom() + 4); }

void CDataView::OnUpdate(CView*, long)
{
    const CRealArray* display = m_doc.m_pDisplay.get();
    if (display && display->GetSize() > 0) {
        m_pData = std::make_unique<CRealArray>(*display);
    } else {
        m_pData = std::make_unique<CRealArray>(256);
        m_pData->scale(0.0);
    }
    m_nXIndex = 0;
    m_dYValue = (*m_pData)[0];
    UpdateData(false);
    m_pWriteData->setEnabled(m_doc.m_nDisplay == 0);
}

void CDataView::WriteBox(QLineEdit* box, const QString& text)
{
    if (box->text() == text)
        return;
    box->setText(text);
    box->setCursorPosition(0);  // a replaced text shows from its start
}

bool CDataView::UpdateData(bool bSave)
{
    m_bExchanging = true;
    bool ok = true;
    if (!bSave) {
        WriteBox(m_pYAxis, QString::fromStdString(FormatDouble(m_dYValue)));
        WriteBox(m_pXAxis, QString::fromStdString(FormatInt(m_nXIndex)));
    } else if (const auto y = ParseDouble(m_pYAxis->text().toStdString()); !y) {
        ReportExchangeFailure(this, m_pYAxis, tr("Please enter a number."));
        ok = false;
    } else {
        m_dYValue = *y;
        const auto x = ParseInt(m_pXAxis->text().toStdString());
        if (x)
            m_nXIndex = *x;
        else
            ReportExchangeFailure(this, m_pXAxis, tr("Please enter an integer."));
        ok = x.has_value();
    }
    m_bExchanging = false;
    return ok;
}

void CDataView::ShowCurrentValue()
{
    m_dYValue = (*m_pData)[m_nXIndex];
    UpdateData(false);
    NotifyGraph();
}

// Reads the boxes and stores the value at the index. An index read from the box is kept
// within the array, so that no value is stored outside it.
void CDataView::Commit()
{
    UpdateData(true);
    m_nXIndex = std::clamp(m_nXIndex, 0, LastIndex());
    (*m_pData)[m_nXIndex] = m_dYValue;
}

void CDataView::NotifyGraph()
{
    if (auto* graph = dynamic_cast<CFilterView*>(m_doc.GetViews().front()))
        graph->OnMarkIndex(m_nXIndex);
}

void CDataView::OnLineUp()
{
    Commit();
    if (m_nXIndex < LastIndex())
        ++m_nXIndex;
    ShowCurrentValue();
}

void CDataView::OnLineDown()
{
    Commit();
    if (m_nXIndex > 0)
        --m_nXIndex;
    ShowCurrentValue();
}

void CDataView::OnShowNext()
{
    Commit();
    if (m_nXIndex >= LastIndex())
        return;
    ++m_nXIndex;
    ShowCurrentValue();
}

void CDataView::OnReload() { OnUpdate(nullptr, 0); }

void CDataView::OnWriteData() { m_doc.SetCoefficients(*m_pData); }

void CDataView::SelectIndex(int index)
{
    m_bExchanging = true;
    m_pXAxis->setText(QString::fromStdString(FormatInt(index)));
    m_bExchanging = false;
    OnChangeXAxis();
}

void CDataView::OnChangeXAxis()
{
    if (m_pXAxis->text().isEmpty())
        return;
    UpdateData(true);
    m_nXIndex = std::clamp(m_nXIndex, 0, LastIndex());
    ShowCurrentValue();
}

void CDataView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);  // a click on the form activates its pane
    QWidget::mousePressEvent(event);
}
