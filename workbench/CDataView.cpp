#include "CDataView.h"

#include "CFilterDoc.h"
#include "CFilterView.h"
#include "DataExchange.h"
#include "ExchangeFailure.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

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

}  // namespace

CDataView::CDataView(CFilterDoc& doc, QWidget* parent)
    : QWidget(parent),
      m_doc(doc),
      m_pXAxis(new QLineEdit(this)),
      m_pYAxis(new QLineEdit(this)),
      m_pShowNext(new QPushButton("Show &Next", this)),
      m_pWriteData(new QPushButton("&Write Data", this)),
      m_pReload(new QPushButton("&Reload", this)),
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

// The controls where the form's template puts them; tab order is creation order.
void CDataView::PlaceControls()
{
    const QFontMetrics fm = fontMetrics();
    m_pXAxis->setGeometry(dialogRect(fm, 7, 16, 19, 14));
    m_pYAxis->setGeometry(dialogRect(fm, 39, 16, 77, 14));
    m_pShowNext->setGeometry(dialogRect(fm, 123, 16, 42, 14));
    m_pWriteData->setGeometry(dialogRect(fm, 180, 16, 50, 14));
    m_pReload->setGeometry(dialogRect(fm, 235, 16, 50, 14));
    for (const auto& [text, x] : {std::pair("X-Axis", 7), std::pair("Y-Axis", 40)}) {
        auto* label = new QLabel(text, this);
        QRect rect = dialogRect(fm, x, 8, 22, 8);
        rect.setWidth(std::max(rect.width(), label->sizeHint().width()));  // never clip the text
        label->setGeometry(rect);
    }
    m_pXScroll->setGeometry(dialogRect(fm, 24, 17, 10, 13));
    m_pXScroll->raise();
}

QSize CDataView::sizeHint() const { return dialogRect(fontMetrics(), 0, 0, 292, 38).size(); }

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
        ReportExchangeFailure(this, m_pYAxis, "Please enter a number.");
        ok = false;
    } else {
        m_dYValue = *y;
        const auto x = ParseInt(m_pXAxis->text().toStdString());
        if (x)
            m_nXIndex = *x;
        else
            ReportExchangeFailure(this, m_pXAxis, "Please enter an integer.");
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
