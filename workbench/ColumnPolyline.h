#pragma once

#include <QPolygon>

class QPainter;

// The polyline through points[0 .. count - 1] reduced, in each run of consecutive points
// that share one x, to the run's first point, its lowest and highest point (in the order
// they come) and its last point. Drawn with a one-pixel pen it shows the same curve as the
// whole polyline: within a column the segments cover the run's whole vertical span either
// way, and the segments between columns are the same. (Qt's one-pixel pen leaves out or
// adds a single pixel at the end of some segments one pixel long, so the two drawings can
// differ by such a pixel at the end of a column's span.) count >= 0.
QPolygon ColumnExtremes(const QPoint* points, int count);

// Draws the polyline through points[0 .. count - 1] with painter's pen: through the
// columns' extremes alone (ColumnExtremes) when the pen is one pixel wide (cosmetic) and
// the painter only translates, where that gives the same curve in a fraction of the time
// for curves of many points per column; through every point otherwise, since the joins of
// a wider pen depend on every turn.
void DrawPolyline(QPainter& painter, const QPoint* points, int count);
