#pragma once

#include "CComplex.h"
#include "CComplexArray.h"

#include <optional>

// How the z-plane maps onto the viewer's square: logical units, in which the scale radius
// r of the plane is 1000 units from the centre and the square spans -1050 .. 1050 on both
// axes (y up), and device units, in which the square's side is the client area's shorter
// side (times 4 on paper), its centre at (side / 2, side / 2).
namespace zplane {

constexpr int kExtent = 2100;            // logical width and height of the square
constexpr int kReferenceRadius = 1000;   // logical distance of the scale radius r
constexpr double kNormalRadius = 1.5;    // r when Show All is off
constexpr int kAxisHalfLength = kExtent / 2;
constexpr int kMarkerHalfSize = 10;      // a zero is drawn in the box +-10 around it
constexpr int kPrintFactor = 4;          // the side in device units is 4 times larger on paper
// Logical coordinates are clamped to +-kLogicalLimit, far beyond any client area or page,
// so that no zero converts to an integer out of range.
constexpr int kLogicalLimit = 1000000;

// A rectangle in logical units, y up: top > bottom.
struct CLogicalBox {
    int left;
    int top;
    int right;
    int bottom;
};

// The viewport of the mapping in device units: the square's side and its centre.
struct CViewport {
    int side;
    int originX;
    int originY;
};

// True when both parts of zero are finite; other zeros (a root at infinity is stored as
// (+inf, 0)) are neither drawn nor counted for the scale.
bool IsDrawable(const CComplex& zero);

// The scale radius r, > 0. Show All: the largest modulus of the drawable zeros, bounded
// to the range in which r / 1000 and its inverse are finite doubles; kNormalRadius when
// that largest modulus is 0 or there is no drawable zero. Otherwise kNormalRadius.
double ScaleRadius(const CComplexArray& roots, bool showAll);

// trunc(value / (radius / 1000)), truncated toward zero and clamped to +-kLogicalLimit.
// value finite or infinite, else std::invalid_argument; radius from ScaleRadius.
int ToLogical(double value, double radius);

// The unit circle's radius in logical units: trunc(1000 / radius), clamped as above.
int UnitCircleRadius(double radius);

// The box of zero's marker, or nothing when the zero is not drawable.
std::optional<CLogicalBox> MarkerBox(const CComplex& zero, double radius);

// The viewport for a client area of width x height device units (each >= 0): side =
// the smaller of the two, times kPrintFactor when printing; centre (side / 2, side / 2).
CViewport Viewport(int width, int height, bool printing);

}  // namespace zplane
