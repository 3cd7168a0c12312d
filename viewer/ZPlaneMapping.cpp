#include "ZPlaneMapping.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace zplane {

namespace {

// The bounds of r: from here to DBL_MAX, r / 1000 is a normal double whose inverse is finite.
constexpr double kSmallestRadius = DBL_MIN * kReferenceRadius;

}  // namespace

bool IsDrawable(const CComplex& zero) { return std::isfinite(zero.re) && std::isfinite(zero.im); }

double ScaleRadius(const CComplexArray& roots, bool showAll)
{
    if (!showAll)
        return kNormalRadius;
    double largest = 0.0;
    for (int i = 0; i < roots.GetSize(); ++i)
        if (IsDrawable(roots[i]))
            largest = std::max(largest, roots[i].abs());
    if (largest == 0.0)
        return kNormalRadius;
    return std::clamp(largest, kSmallestRadius, DBL_MAX);
}

int ToLogical(double value, double radius)
{
    const double unit = radius / kReferenceRadius;
    const double logical = std::trunc(value / unit);
    if (std::isnan(logical))
        throw std::invalid_argument("a coordinate of the z-plane is not a number");
    return static_cast<int>(std::clamp(logical, -double(kLogicalLimit), double(kLogicalLimit)));
}

int UnitCircleRadius(double radius) { return ToLogical(1.0, radius); }

std::optional<CLogicalBox> MarkerBox(const CComplex& zero, double radius)
{
    if (!IsDrawable(zero))
        return std::nullopt;
    const int x = ToLogical(zero.re, radius);
    const int y = ToLogical(zero.im, radius);
    return CLogicalBox{x - kMarkerHalfSize, y + kMarkerHalfSize, x + kMarkerHalfSize, y - kMarkerHalfSize};
}

CViewport Viewport(int width, int height, bool printing)
{
    const int side = std::min(width, height) * (printing ? kPrintFactor : 1);
    return CViewport{side, side / 2, side / 2};
}

}  // namespace zplane
