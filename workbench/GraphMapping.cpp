#include "GraphMapping.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

// v truncated toward zero as an int; NaN gives 0, and the result stays within the
// device limit.
int clampedInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(v, -double(kDeviceLimit), double(kDeviceLimit))));
}

// v rounded to the nearest int; NaN gives 0, and the result stays within the device limit.
int roundedInt(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::lround(std::clamp(v, -double(kDeviceLimit), double(kDeviceLimit))));
}

}  // namespace

QPoint CGraphMapping::ToDevice(double x, double y) const
{
    const double dx = double(x0) + std::round(x * W / cx);
    const double dy = double(y0) - std::round(y * H / cy);
    return QPoint(roundedInt(dx), roundedInt(dy));
}

double CGraphMapping::LogicalY(double value) const { return std::trunc(value / u); }

CGraphMapping ComputeGraphMapping(const CGraphScale& scale, double arrayMin, double arrayMax,
    int width, int height, bool printing)
{
    CGraphMapping m;
    m.W = printing ? width * 4 : width;
    m.H = printing ? height * 4 : height;
    double halfRange = arrayMax / 2 - arrayMin / 2;
    double yMaxHalf = scale.dYMax / 2;
    double yMinHalf = scale.dYMin / 2;
    if (!(halfRange / 500 >= DBL_MIN)) {
        const double d = std::max(std::fabs(arrayMax), 1.0);
        halfRange = d;
        yMaxHalf = arrayMax / 2 + d / 2;
        yMinHalf = arrayMax / 2 - d / 2;
    }
    m.u = halfRange / 500;
    m.cx = std::max(1, clampedInt((scale.dXMax - scale.dXMin) / scale.dXStep * 12.0));
    m.cy = std::max(1, clampedInt((yMaxHalf - yMinHalf) / m.u * 2 * 1.1));
    m.x0 = m.W / 10;
    m.y0 = clampedInt((yMaxHalf / halfRange + 0.05) * m.H / 1.1);
    return m;
}
