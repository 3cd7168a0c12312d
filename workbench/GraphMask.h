#pragma once

#include "GraphPainter.h"

#include <QColor>

// The requirements on the graph, with the scale on, over the amplitude displays (linear or
// in dB): each pass band's tolerance (the ripple about its gain, growing with the frequency
// in a differentiator's band) and each stop band's (below the attenuation) as pale green
// regions with darker edges, and the parts of the curve inside a band but outside its
// tolerance in a warning colour. Nothing for other
// displays or without requirements.

// Whether picture shows the mask.
bool ShowsMask(const CGraphPicture& picture);
// The tolerance regions, drawn before the curve under mapping m.
void DrawToleranceRegions(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing);
// The out-of-tolerance parts of the curve, drawn over its own pixels.
void DrawCurveOutsideTolerance(QPainter& painter, const CGraphPicture& picture, const CGraphMapping& m, bool printing);

// The colour of the curve where it leaves the tolerance.
QColor WarningColour();
