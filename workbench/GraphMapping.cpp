#include "GraphMapping.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

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
    return QPoint(roundedInt(x0 + std::round(x * W / cx)), roundedInt(y0 - std::round(y * H / cy)));
}

QPointF CGraphMapping::ToLogical(QPointF p) const { return QPointF((p.x() - x0) * cx / W, (y0 - p.y()) * cy / H); }

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
    m.cx = std::max(1.0, std::trunc((scale.dXMax - scale.dXMin) / scale.dXStep * 12.0));
    m.cy = std::max(1.0, std::trunc((yMaxHalf - yMinHalf) / m.u * 2 * 1.1));
    m.x0 = m.W / 10;
    m.y0 = std::trunc((yMaxHalf / halfRange + 0.05) * m.H / 1.1);
    return m;
}
