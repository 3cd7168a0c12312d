#include "CFilterView.h"

#include "AfxIds.h"
#include "CFilterDoc.h"
#include "CWinApp.h"
#include "DisplayData.h"
#include "GraphScale.h"
#include "Printing.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <tuple>

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
    std::tie(m_scale.dYMin, m_scale.dYMax) = DisplayValueRange(m_doc.m_nDisplay, *display);
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
    QPrinter& printer = m_app.GetPrinter();
    FitPrinterResolution(printer);
    if (id == ID_FILE_PRINT)
        PrintWithDialog(window(), printer, paint, [this](QPrinter& chosen) { FitPrinterResolution(chosen); });
    else if (id == ID_FILE_PRINT_DIRECT)
        PrintPage(printer, paint);
    else
        PrintPreview(window(), printer, paint);
    return true;
}

// Four times the pane in device units is the printed size; a resolution of about 300 dpi
// makes that as large as the printable area allows (a 600-pixel pane on A4 or Letter).
void CFilterView::FitPrinterResolution(QPrinter& printer) const
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Inch);
    if (area.width() <= 0 || area.height() <= 0 || width() <= 0 || height() <= 0)
        return;
    const double dpi = std::max(4 * width() / area.width(), 4 * height() / area.height());
    printer.setResolution(static_cast<int>(std::ceil(dpi)));
}

CGraphPicture CFilterView::GetPicture() const
{
    CGraphPicture picture;
    picture.pDisplay = m_doc.m_pDisplay.get();
    picture.undefined = m_doc.m_displayUndefined;
    picture.scale = m_scale;
    picture.nMarker = m_nMarker;
    picture.bScale = m_bScale;
    picture.nDisplay = m_doc.m_nDisplay;
    picture.bDecibel = m_doc.m_bDecibel == 1;
    picture.dSpacing = picture.pDisplay && picture.pDisplay->GetSize() > 0 ? m_doc.GetDisplaySpacing() : 1.0;
    picture.dSampleRate = m_dSampleRate;
    picture.requirements = m_doc.m_requirements;
    return picture;
}

void CFilterView::OnDraw(QPainter& painter, bool printing) const { DrawGraph(painter, GetPicture(), size(), printing); }

void CFilterView::SetScaleVisible(bool visible)
{
    m_bScale = visible;
    setMouseTracking(visible);
    if (!visible)
        emit ReadoutChanged(QString());
    update();
}

void CFilterView::SetSampleRate(double sampleRate)
{
    m_dSampleRate = sampleRate;
    update();
}

QRect CFilterView::MarkerRect(int index) const
{
    const int x = PictureMapping(GetPicture(), size(), false).ToDevice(10.0 * index, 0).x();
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

int CFilterView::IndexAt(QPoint p) const
{
    const CGraphPicture picture = GetPicture();
    if (!m_bScale || !picture.pDisplay || picture.pDisplay->GetSize() == 0)
        return -1;
    return NearestIndex(picture, PictureMapping(picture, size(), false), p);
}

void CFilterView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    OnDraw(painter, false);
}

void CFilterView::mouseMoveEvent(QMouseEvent* event)
{
    const int index = IndexAt(event->position().toPoint());
    if (index >= 0)
        emit ReadoutChanged(ReadoutText(GetPicture(), index));
    QWidget::mouseMoveEvent(event);
}

void CFilterView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    const int index = event->button() == Qt::LeftButton ? IndexAt(event->position().toPoint()) : -1;
    if (index >= 0)
        emit PointClicked(index);
}

void CFilterView::leaveEvent(QEvent* event)
{
    if (m_bScale)
        emit ReadoutChanged(QString());
    QWidget::leaveEvent(event);
}
