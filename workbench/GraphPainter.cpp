#include "GraphPainter.h"

#include "GraphMask.h"
#include "GraphScale.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPen pen(QColor colour, bool printing, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, printing ? 4 : 0, style);
}

void drawCurve(QPainter& painter, const CRealArray& a, const CGraphMapping& m, bool printing)
{
    painter.setPen(pen(QColor(0, 0, 0), printing));
    QPolygon curve(a.GetSize());
    for (int i = 0; i < a.GetSize(); ++i)
        curve[i] = m.ToDevice(10.0 * i, m.LogicalY(a[i]));
    if (a.GetSize() > 1) {
        painter.drawPolyline(curve);
        return;
    }
    // A polyline of one point draws nothing: a dot of 5 pixels of the pane shows the value.
    const int r = printing ? 8 : 2;
    painter.fillRect(QRect(curve[0] - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)), QColor(0, 0, 0));
}

}  // namespace

CGraphMapping PictureMapping(const CGraphPicture& picture, QSize pane, bool printing)
{
    const CRealArray& a = *picture.pDisplay;
    return ComputeGraphMapping(picture.scale, a.GetMin(), a.GetMax(), pane.width(), pane.height(), printing);
}

void DrawGraph(QPainter& painter, const CGraphPicture& picture, QSize pane, bool printing)
{
    if (!picture.pDisplay || picture.pDisplay->GetSize() == 0)
        return;
    const CGraphMapping m = PictureMapping(picture, pane, printing);
    painter.save();
    if (picture.bScale) {
        DrawGraphScale(painter, picture, m, printing);
        DrawToleranceRegions(painter, picture, m, printing);
    }
    painter.setPen(pen(QColor(0, 0, 255), printing));
    painter.drawLine(m.ToDevice(0, -m.cy), m.ToDevice(0, m.cy));
    painter.drawLine(m.ToDevice(-m.cx, 0), m.ToDevice(m.cx, 0));
    drawCurve(painter, *picture.pDisplay, m, printing);
    DrawCurveOutsideTolerance(painter, picture, m, printing);
    painter.setPen(pen(QColor(255, 0, 0), printing, Qt::DotLine));
    painter.drawLine(m.ToDevice(10.0 * picture.nMarker, -m.cy), m.ToDevice(10.0 * picture.nMarker, m.cy));
    painter.restore();
}
