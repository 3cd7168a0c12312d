#pragma once

#include <QPoint>

// The horizontal and vertical scale the graph view takes from its display array at each
// update.
struct CGraphScale {
    double dXMax = 0.0;
    double dXMin = 0.0;
    double dYMax = 0.0;
    double dYMin = 0.0;
    double dXStep = 1.0;
};

// The graph's anisotropic mapping from logical to device coordinates: window extent
// (cx, cy), viewport extent (W, -H) and viewport origin (x0, y0). Logical y grows upward.
// The extents and the origin are whole numbers kept as doubles, so that a mapping whose
// origin lies far outside the pane still places the points that fall inside it.
struct CGraphMapping {
    double u = 1.0;  // data units per logical unit
    double cx = 1.0;
    double cy = 1.0;
    int W = 0;
    int H = 0;
    double x0 = 0.0;
    double y0 = 0.0;

    // The device point of logical point (x, y): (x0 + x W / cx, y0 - y H / cy), composed
    // in double, rounded to the nearest pixel and only then held within +-kDeviceLimit, so
    // that no value can make a drawing fail.
    QPoint ToDevice(double x, double y) const;
    // The logical point at device point p: the inverse of ToDevice, before rounding.
    QPointF ToLogical(QPointF p) const;
    // The logical y of a data value: value / u truncated toward zero (kept as a double,
    // so that no value overflows an int).
    double LogicalY(double value) const;
};

// Farthest a mapped point is placed from the device origin, in pixels.
constexpr int kDeviceLimit = 1 << 24;

// The mapping for a pane of width x height pixels (times 4 when printing) that shows an
// array whose values run from arrayMin to arrayMax, at scale:
//   u = (arrayMax - arrayMin) / 1000,
//   cx = trunc((dXMax - dXMin) / dXStep * 12), cy = trunc((dYMax - dYMin) / u * 1.1),
//   x0 = W / 10, y0 = trunc((dYMax / (arrayMax - arrayMin) + 0.05) * H / 1.1).
// The differences are taken in halves so that no range overflows. An array whose values
// are all equal (or too close to scale) is mapped as if it spanned v - d .. v + d,
// d = max(|v|, 1), which puts its flat line through the middle of the pane.
CGraphMapping ComputeGraphMapping(const CGraphScale& scale, double arrayMin, double arrayMax,
    int width, int height, bool printing);
