#pragma once

#include "CRealArray.h"

#include <string>
#include <vector>

// The frequency response of the coefficients on a grid of the user's choosing, as CSV for
// plots and other tools.

// The most points a grid may have.
constexpr int kMaxResponsePoints = 100000;

// nPoints frequencies from dFrom to dTo (fractions of the sampling frequency, both
// included), evenly spaced, or with bLog in a geometric progression.
struct CResponseGrid {
    int nPoints = 1024;
    double dFrom = 0.0;
    double dTo = 0.5;
    bool bLog = false;
};

// The grid's frequencies, the last exactly dTo. Needs 2 <= nPoints <= kMaxResponsePoints,
// 0 <= dFrom < dTo <= 0.5 and, with bLog, dFrom > 0; else std::invalid_argument.
std::vector<double> GridFrequencies(const CResponseGrid& grid);

// The response of h (N >= 1, finite) at each frequency of grid, as CSV:
//   frequency (cycles/sample),magnitude,magnitude (dB),phase (rad),group delay (samples)
// or, with a sample rate (Hz, > 0), the frequency in Hz and the group delay in seconds.
// The magnitude |H(f)| and the phase are those of H(f) = sum h[n] e^(-j 2 pi f n) by its
// definition, the phase unwrapped along the grid (each step taken within -pi .. pi), the
// dB value as MagnitudeDb gives it, the group delay Re(sum n h[n] e^(-j 2 pi f n) / H(f));
// where |H(f)| is 0 within rounding (at most 1e-12 sum |h|) the group delay's cell is empty
// and the phase follows the one before it. Values with 17
// significant digits. Bad arguments: std::invalid_argument.
std::string FormatResponseCsv(const CRealArray& h, const CResponseGrid& grid, double sampleRate);
