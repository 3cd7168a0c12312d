#pragma once

#include "CRealArray.h"

#include <vector>

// The group delay of a filter's coefficients h[0 .. N-1] on a grid of frequencies, from the
// L-point transforms H of h[n] and G of n h[n]: the delay at frequency k / L of the sampling
// frequency is Re(G[k] / H[k]) samples.
//
// Near a zero of H that quotient is undefined, and rounding decides what it computes: a
// point is undefined where the bound of its rounding error,
//   c eps (sum n |h[n]| + |G[k] / H[k]| sum |h[n]|) / |H[k]|,  c = 2 (log2 L + 1),
// exceeds kDelayTolerance samples (or H[k] is 0). Such points are marked, and hold the
// delay of the nearest defined point below them (above, before the first defined one; 0
// when no point is defined), so that every value is finite and a constant delay stays
// constant across them.

// The largest rounding error a defined delay may carry, in samples.
constexpr double kDelayTolerance = 1e-6;

// Values on a grid, with the points where they are undefined.
struct CGridValues {
    CRealArray values{0};
    std::vector<bool> undefined;  // one flag per value; true: no value there
};

// The magnitude |H| and the group delay at k = 0 .. L / 2 (the other half mirrors them).
struct CGridResponse {
    CRealArray magnitude{0};
    CGridValues delay;
};
// L = length >= max(N, 1), else std::invalid_argument.
CGridResponse GridResponse(const CRealArray& coefficients, int length);
// The first count (0 .. L / 2 + 1) delays of GridResponse, else std::invalid_argument.
CGridValues GroupDelay(const CRealArray& coefficients, int length, int count);
// The group delay display: GroupDelay over 0 up to half the sampling frequency, 2 N points
// of the 4 N-point transform, like the amplitude (none for no coefficients).
CGridValues GroupDelayDisplay(const CRealArray& coefficients);
