#pragma once

#include "AxisScale.h"
#include "GraphPainter.h"

#include <QString>

// The graph's scale: a light grey grid at round values behind the curve, tick labels in
// the margins the mapping leaves (the left tenth of the pane, the strips above the largest
// and below the smallest value), the units, and the readout of a data point. Labels and
// units are in the UI font at its size, whatever the pane's size, and stay inside the pane.

// The unit of the horizontal axis: time (samples, or s .. ns with a sample rate) for the
// impulse and step responses, frequency (fractions of the sampling frequency, or Hz ..
// GHz with a sample rate) for the others. picture.pDisplay must be set.
CAxisUnit AbscissaUnit(const CGraphPicture& picture);
// Draws the grid, the tick labels and the units of picture (pDisplay set, not empty) under
// mapping m; thicker when printing, in the way of DrawGraph.
void DrawGraphScale(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing);
// The data index nearest to the device point p horizontally, within the array.
int NearestIndex(const CGraphPicture& picture, const CGraphMapping& m, QPoint p);
// The readout of data point index: "[index]  f = 12 kHz  -43.2 dB" or "[index]  t = 12
// samples  0.0123", in the units of the scale; "undefined" in place of the value at a point
// without one.
QString ReadoutText(const CGraphPicture& picture, int index);
