#pragma once

#include "CRealArray.h"
#include "ResponseProbe.h"

// The largest and smallest magnitude of a filter over a band, from its magnitudes on an
// evenly spaced grid and exact evaluations at the band's edges and around every extremum.

// A magnitude |H| and the frequency where the filter has it (a fraction of the sampling
// frequency).
struct CExtreme {
    double dMagnitude = 0.0;
    double dFrequency = 0.0;
};

struct CBandExtremes {
    CExtreme largest;
    CExtreme smallest;
};

// The grid a band is searched on: grid[k] = |H(k / m)| for k = 0 .. m / 2, m >= 2 even.
struct CMagnitudeGrid {
    const CRealArray& magnitude;
    int m;
};

// The extremes of |H| over from .. to (0 <= from <= to <= 0.5): the edges evaluated by
// probe, every local extremum of the grid inside estimated by a parabola through its
// neighbours, and the kRefined most extreme of them, with those in lobes too narrow for
// their parabola, located by a safeguarded Newton search on |H|^2 with exact derivatives.
// The extremes found lie within a few thousandths of a dB of the band's true ones for grids
// of 16 or more points per coefficient. Without refineSmallest the smallest is only
// estimated (a stop band's, which nothing judges).
CBandExtremes FindBandExtremes(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to,
    bool refineSmallest = true);

// How many extrema of each kind FindBandExtremes locates exactly in a band.
constexpr int kRefined = 4;
