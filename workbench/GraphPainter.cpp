#include "GraphPainter.h"

#include "DisplayData.h"
#include "GraphMask.h"
#include "GraphScale.h"

#include <QPainter>
#include <QPolygon>

namespace {

QPen pen(QColor colour, bool printing, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, printing ? 4 : 0, style);
}

// Draws the points first .. last - 1 of curve as one polyline, or a dot of 5 pane pixels
// when there is one: a polyline of one point draws nothing.
void drawPiece(QPainter& painter, const QPolygon& curve, int first, int last, bool printing)
{
    if (last - first > 1) {
        painter.drawPolyline(curve.constData() + first, last - first);
        return;
    }
    const int r = printing ? 8 : 2;
    painter.fillRect(QRect(curve[first] - QPoint(r, r), QSize(2 * r + 1, 2 * r + 1)), QColor(0, 0, 0));
}

void drawCurve(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing)
{
    const CRealArray& a = *picture.pDisplay;
    painter.setPen(pen(QColor(0, 0, 0), printing));
    // The described displays truncate each value to a logical unit; the added ones leave the
    // rounding to the pixel, so that a constant with rounding noise stays one straight line.
    const bool described = picture.nDisplay <= DisplayImag;
    QPolygon curve(a.GetSize());
    for (int i = 0; i < a.GetSize(); ++i)
        curve[i] = m.ToDevice(10.0 * i, described ? m.LogicalY(a[i]) : a[i] / m.u);
    const auto defined = [&picture](int i) { return picture.undefined.empty() || !picture.undefined[static_cast<size_t>(i)]; };
    for (int first = 0; first < a.GetSize();) {
        if (!defined(first)) {
            ++first;
            continue;
        }
        int last = first + 1;
        while (last < a.GetSize() && defined(last))
            ++last;
        drawPiece(painter, curve, first, last, printing);
        first = last;
    }
}

// The logical y from which to which the vertical axis and the marker run: -cy .. cy, or for
// the displays beyond the described ones, whose values may lie far from 0, the pane's
// bottom to its top.
std::pair<double, double> verticalSpan(const CGraphPicture& picture, const CGraphMapping& m)
{
    if (picture.nDisplay <= DisplayImag)
        return {-m.cy, m.cy};
    return {m.ToLogical(QPointF(0, m.H)).y(), m.ToLogical(QPointF(0, 0)).y()};
}

}  // namespace

std::pair<double, double> PictureValueRange(const CGraphPicture& picture)
{
    return DisplayValueRange(picture.nDisplay, *picture.pDisplay);
}

CGraphMapping PictureMapping(const CGraphPicture& picture, QSize pane, bool printing)
{
    const auto [lo, hi] = PictureValueRange(picture);
    return ComputeGraphMapping(picture.scale, lo, hi, pane.width(), pane.height(), printing);
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
    const auto [bottom, top] = verticalSpan(picture, m);
    painter.drawLine(m.ToDevice(0, bottom), m.ToDevice(0, top));
    painter.drawLine(m.ToDevice(-m.cx, 0), m.ToDevice(m.cx, 0));
    drawCurve(painter, picture, m, printing);
    DrawCurveOutsideTolerance(painter, picture, m, printing);
    painter.setPen(pen(QColor(255, 0, 0), printing, Qt::DotLine));
    painter.drawLine(m.ToDevice(10.0 * picture.nMarker, bottom), m.ToDevice(10.0 * picture.nMarker, top));
    painter.restore();
}
