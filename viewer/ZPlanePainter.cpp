#include "ZPlanePainter.h"

#include "CZeroplotDoc.h"
#include "ZPlaneMapping.h"
#include "ZPlaneScale.h"

#include <QPainter>
#include <QPen>

namespace zplane {

namespace {

QPen CosmeticPen(const QColor& color)
{
    QPen pen(color, 1);
    pen.setCosmetic(true);
    return pen;
}

void DrawAxesAndUnitCircle(QPainter& painter, double radius)
{
    painter.setPen(CosmeticPen(QColor(0, 0, 255)));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(0, -kAxisHalfLength, 0, kAxisHalfLength);
    painter.drawLine(-kAxisHalfLength, 0, kAxisHalfLength, 0);
    const int r = UnitCircleRadius(radius);
    painter.drawEllipse(QRectF(QPointF(-r, -r), QPointF(r, r)));
}

void DrawMarkers(QPainter& painter, const CComplexArray& roots, double radius, const QColor& fill)
{
    painter.setPen(CosmeticPen(Qt::black));
    painter.setBrush(fill);
    for (int i = 0; i < roots.GetSize(); ++i)
        if (const auto box = MarkerBox(roots[i], radius))
            painter.drawEllipse(QRectF(QPointF(box->left, box->bottom), QPointF(box->right, box->top)));
}

}  // namespace

QTransform LogicalToDevice(const CViewport& viewport)
{
    const double scale = double(viewport.side) / kExtent;
    return QTransform(scale, 0.0, 0.0, -scale, viewport.originX, viewport.originY);
}

void DrawZPlane(
    QPainter& painter, const CZeroplotDoc& doc, QSize client, bool printing, const QColor& markerFill, bool scale)
{
    if (!doc.m_pRoots)
        return;
    const double radius = ScaleRadius(*doc.m_pRoots, doc.m_bShowAll == 1);
    const QTransform transform = LogicalToDevice(Viewport(client.width(), client.height(), printing));
    if (scale)
        DrawZPlaneScale(painter, transform, radius, printing);
    painter.save();
    painter.setTransform(transform, true);
    DrawAxesAndUnitCircle(painter, radius);
    DrawMarkers(painter, *doc.m_pRoots, radius, markerFill);
    painter.restore();
}

}  // namespace zplane
