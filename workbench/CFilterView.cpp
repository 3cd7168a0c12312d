#include "CFilterView.h"

#include "AfxIds.h"
#include "CFilterDoc.h"
#include "CWinApp.h"
#include "Printing.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>

CFilterView::CFilterView(CFilterDoc& doc, CWinApp& app, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_app(app)
{
    setObjectName("CFilterView");
    setFocusPolicy(Qt::StrongFocus);  // a click activates the pane
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    m_doc.AddView(this);
}

CFilterView::~CFilterView() { m_doc.RemoveView(this); }

void CFilterView::OnUpdate(CView*, long)
{
    const CRealArray* display = m_doc.m_pDisplay.get();
    if (!display)
        return;
    m_scale.dXStep = 1.0 / display->GetSize();
    m_scale.dXMax = 1.0;
    m_scale.dXMin = 0.0;
    m_scale.dYMax = display->GetMax();
    m_scale.dYMin = display->GetMin();
    m_nMarker = 0;
    update();
}

bool CFilterView::OnCmdMsg(int id, CCmdUI* pCmdUI)
{
    if (id != ID_FILE_PRINT && id != ID_FILE_PRINT_DIRECT && id != ID_FILE_PRINT_PREVIEW)
        return false;
    if (pCmdUI)
        return true;
    const CPagePainter paint = [this](QPainter& painter) { OnDraw(painter, true); };
    if (id == ID_FILE_PRINT)
        PrintWithDialog(window(), m_app.GetPrinter(), paint);
    else if (id == ID_FILE_PRINT_DIRECT)
        PrintPage(m_app.GetPrinter(), paint);
    else
        PrintPreview(window(), m_app.GetPrinter(), paint);
    return true;
}

CGraphMapping CFilterView::Mapping(const QSize& area, bool printing) const
{
    const CRealArray& a = *m_doc.m_pDisplay;
    return ComputeGraphMapping(m_scale, a.GetMin(), a.GetMax(), area.width(), area.height(), printing);
}

void CFilterView::OnDraw(QPainter& painter, bool printing) const
{
    const CRealArray* display = m_doc.m_pDisplay.get();
    if (!display || display->GetSize() == 0)
        return;
    const QPaintDevice* device = painter.device();
    const CGraphMapping m = Mapping(printing ? size() : QSize(device->width(), device->height()), printing);
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 255), 0));
    painter.drawLine(m.ToDevice(0, -m.cy), m.ToDevice(0, m.cy));
    painter.drawLine(m.ToDevice(-m.cx, 0), m.ToDevice(m.cx, 0));
    QPolygon curve(display->GetSize());
    for (int i = 0; i < display->GetSize(); ++i)
        curve[i] = m.ToDevice(10.0 * i, m.LogicalY((*display)[i]));
    painter.setPen(QPen(QColor(0, 0, 0), 0));
    painter.drawPolyline(curve);
    painter.setPen(QPen(QColor(255, 0, 0), 0, Qt::DotLine));
    painter.drawLine(m.ToDevice(10.0 * m_nMarker, -m.cy), m.ToDevice(10.0 * m_nMarker, m.cy));
    painter.restore();
}

QRect CFilterView::MarkerRect(int index) const
{
    const int x = Mapping(size(), false).ToDevice(10.0 * index, 0).x();
    return QRect(x - 1, 0, 3, height());
}

void CFilterView::OnMarkIndex(int index)
{
    if (!m_doc.m_pDisplay)
        return;
    const QRect old = MarkerRect(m_nMarker);
    m_nMarker = index;
    repaint(QRegion(old) + MarkerRect(m_nMarker));
}

void CFilterView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    OnDraw(painter, false);
}
