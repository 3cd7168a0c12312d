#pragma once

#include "BandExtremes.h"

// The extremes of |H(f)| / f over a band: how a differentiator's band, whose magnitude is
// wanted in proportion to the frequency, is judged.

// The largest and smallest |H(f)| / f over from .. to (0 <= from < to <= 0.5; a band
// starting at 0 is taken from 1e-6, where |H| / f has its limit to within rounding): the
// grid's points inside and the edges evaluated by probe, and the kRefined most extreme
// local extrema of each kind located by a golden-section search between their
// neighbouring grid points. dMagnitude holds |H| / f.
CBandExtremes FindRelativeExtremes(const CResponseProbe& probe, const CMagnitudeGrid& grid, double from, double to);
