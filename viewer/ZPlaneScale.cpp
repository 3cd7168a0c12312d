#include "ZPlaneScale.h"

#include "AxisScale.h"
#include "ZPlaneMapping.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <algorithm>
#include <cfloat>
#include <cmath>

namespace zplane {

namespace {

const QColor kGrid(225, 225, 225);
const QColor kLabel(96, 96, 96);

// The largest radius the square shows along its axes, in the plane's units.
double edgeRadius(double radius) { return std::min(radius * kAxisHalfLength / kReferenceRadius, DBL_MAX); }

// text centred on device point at, in the painter's font, without the transform; moved
// inside within where it would stick out of it.
void drawCentred(QPainter& painter, QPointF at, const QString& text, const QRectF& within)
{
    const QFontMetrics fm = painter.fontMetrics();
    QRectF box(at.x() - fm.horizontalAdvance(text) / 2.0, at.y() - fm.height() / 2.0, fm.horizontalAdvance(text), fm.height());
    box.moveLeft(std::clamp(box.left(), within.left(), std::max(within.left(), within.right() - box.width())));
    box.moveTop(std::clamp(box.top(), within.top(), std::max(within.top(), within.bottom() - box.height())));
    painter.drawText(box, Qt::AlignCenter, text);
}

// The square in device units.
QRectF squareOf(const QTransform& transform)
{
    return transform.mapRect(QRectF(QPointF(-kAxisHalfLength, -kAxisHalfLength), QPointF(kAxisHalfLength, kAxisHalfLength)));
}

void drawCircles(QPainter& painter, const QTransform& transform, double radius, int font)
{
    const std::vector<double> radii = ScaleRadii(radius);
    const double step = radii.size() > 1 ? radii[1] - radii[0] : radii.empty() ? 1.0 : radii[0];
    for (double r : radii) {
        const double logical = r / radius * kReferenceRadius;
        painter.setTransform(transform);
        painter.setPen(QPen(kGrid, 0));
        painter.drawEllipse(QPointF(0, 0), logical, logical);
        painter.resetTransform();
        painter.setPen(kLabel);
        const QPointF at = transform.map(QPointF(logical, 0)) + QPointF(0, font);
        drawCentred(painter, at, QString::fromStdString(FormatTick(r, step)), squareOf(transform));
    }
}

void drawRadials(QPainter& painter, const QTransform& transform, int font)
{
    for (int degrees = -150; degrees <= 180; degrees += 30) {
        const double angle = degrees * M_PI / 180.0;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.setTransform(transform);
        painter.setPen(QPen(kGrid, 0));
        painter.drawLine(QPointF(0, 0), direction * kAxisHalfLength);
        painter.resetTransform();
        painter.setPen(kLabel);
        const QPointF edge = transform.map(direction * (kAxisHalfLength * 0.92));
        drawCentred(painter, edge - QPointF(0, degrees == 0 || degrees == 180 ? font : 0),
            QString::number(degrees) + QChar(0x00b0), squareOf(transform));
    }
}

}  // namespace

std::vector<double> ScaleRadii(double radius)
{
    std::vector<double> radii;
    for (double r : RoundTicks(0.0, edgeRadius(radius), 4))
        if (r > 0.0)
            radii.push_back(r);
    return radii;
}

void DrawZPlaneScale(QPainter& painter, const QTransform& transform, double radius, bool printing)
{
    const int font = std::max(1, QFontInfo(QApplication::font()).pixelSize()) * (printing ? kPrintFactor : 1);
    QFont labelFont = QApplication::font();
    labelFont.setPixelSize(font);
    painter.save();
    painter.setFont(labelFont);
    painter.setBrush(Qt::NoBrush);
    drawRadials(painter, transform, font);
    drawCircles(painter, transform, radius, font);
    painter.restore();
}

void DrawMarkerRing(QPainter& painter, const QTransform& transform, int x, int y, const QColor& colour)
{
    painter.save();
    painter.resetTransform();
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre = transform.map(QPointF(x, y));
    const double ring = std::max(5.0, transform.m11() * kMarkerHalfSize) + 3.0;
    painter.drawEllipse(centre, ring, ring);
    painter.restore();
}

}  // namespace zplane
