#pragma once

#include <QColor>
#include <QSize>
#include <QTransform>

class CZeroplotDoc;
class QPainter;

namespace zplane {

struct CViewport;

// The mapping from logical units to device units for viewport: 2100 logical units span
// side device units, y up, logical (0, 0) at the viewport's centre.
QTransform LogicalToDevice(const CViewport& viewport);

// Draws doc's z-plane for a view whose client area is client (device units): nothing
// when doc holds no zeros; else the axes and the unit circle in blue and every drawable
// zero as a black circle filled with markerFill, which covers the lines beneath it.
// printing: the square is 4 times larger, in printer units. Pens are 1 device pixel wide.
// scale: the scale (DrawZPlaneScale) behind it all. The painter's transform must be the
// identity; its pen, brush and transform are as before afterwards.
void DrawZPlane(QPainter& painter, const CZeroplotDoc& doc, QSize client, bool printing, const QColor& markerFill,
    bool scale = false);

}  // namespace zplane
