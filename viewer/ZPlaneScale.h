#pragma once

#include <QColor>
#include <QTransform>
#include <vector>

class QPainter;

// The z-plane's scale, drawn behind the axes, the unit circle and the zeros when the user
// turns it on: light grey circles at round radii, each labelled below the positive real
// axis, and light grey radial lines every 30 degrees, labelled with their angle near the
// square's edge. Labels are in the UI font at its size (4 times larger on paper).
namespace zplane {

// The radii of the scale's circles for scale radius radius (> 0, from ScaleRadius): the
// positive multiples of a 1, 2 or 5 step that lie within the square.
std::vector<double> ScaleRadii(double radius);

// Draws the scale for scale radius radius under transform (LogicalToDevice of the viewport)
// with a painter whose own transform is the identity.
void DrawZPlaneScale(QPainter& painter, const QTransform& transform, double radius, bool printing);

// Rings a zero's marker at logical point (x, y) in colour, 2 pixels wide: the chosen zero
// and its partners on the screen.
void DrawMarkerRing(QPainter& painter, const QTransform& transform, int x, int y, const QColor& colour);

}  // namespace zplane
