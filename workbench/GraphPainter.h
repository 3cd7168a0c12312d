#pragma once

#include "CRealArray.h"
#include "GraphMapping.h"
#include "Requirements.h"
#include "Resource.h"

#include <QSize>
#include <optional>
#include <vector>

class QPainter;

// Everything the graph shows, apart from the widget that shows it, so that the same
// drawing serves the screen, the printer and any other painter.
struct CGraphPicture {
    const CRealArray* pDisplay = nullptr;  // the display array; nothing is drawn without one
    // The points of the array without a value (CFilterDoc::m_displayUndefined): empty, or
    // one flag per value. The curve leaves a gap at each.
    std::vector<bool> undefined;
    CGraphScale scale;                     // taken from it at the last update
    int nMarker = 0;                       // the marked data index
    bool bScale = false;                   // grid, tick labels and units
    int nDisplay = DisplayImpulse;         // what the array holds (DisplaySelection)
    bool bDecibel = false;
    double dSpacing = 1.0;     // abscissa distance of neighbouring points (DisplaySpacing)
    double dSampleRate = 0.0;  // Hz; 0: fractions of the sampling frequency and samples
    std::optional<CRequirements> requirements;  // the mask of the amplitude displays (GraphMask)
};

// The vertical range of picture's values (DisplayValueRange of its display).
std::pair<double, double> PictureValueRange(const CGraphPicture& picture);
// The mapping of picture over a pane of pane pixels, 4 times larger when printing.
CGraphMapping PictureMapping(const CGraphPicture& picture, QSize pane, bool printing);
// Draws picture over a pane of pane pixels (4 times larger in device units when printing):
// with the scale on, first the grid and the labels, then the requirements' tolerance
// regions (translucent, so that the labels inside the pane show through); then the blue axes, the black curve (in pieces between undefined points; a dot
// for a value alone), with the scale on its parts outside the tolerance, and the red dotted
// marker, which land where they land without the scale. For the displays beyond the five
// described ones the vertical axis and the marker run from the pane's top to its bottom,
// wherever 0 lies, and values are rounded to the pixel rather than truncated to a logical
// unit. Pens are 1 pixel wide on screen and 4 device units (one pixel of the pane) when
// printing, so that lines show on paper.
void DrawGraph(QPainter& painter, const CGraphPicture& picture, QSize pane, bool printing);
