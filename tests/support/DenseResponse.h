#pragma once

// The magnitude response of a filter evaluated apart from the program's measurement code,
// by the definition |H(f)| = |sum h[n] e^(-j 2 pi f n)| in a plain loop: on the grid of
// 2^20 points over the sampling frequency (k / 2^20, k = 0 .. 2^19) and at the exact band
// edges. The reference the measurements are checked against.

#include <vector>

constexpr int kDenseGridSize = 1 << 20;

// The largest and smallest |H| over a band and where they lie.
struct CDenseExtremes {
    double largest, fLargest;
    double smallest, fSmallest;
};

// |H(f)| for h at each of the frequencies (fractions of the sampling frequency).
std::vector<double> DenseMagnitudes(const std::vector<double>& h, const std::vector<double>& frequencies);

// The extremes of |H| over from .. to (0 <= from <= to <= 0.5): at from, at to, and at
// every grid point k / 2^20 between them.
CDenseExtremes DenseExtremes(const std::vector<double>& h, double from, double to);

// 20 log10 of a magnitude.
double DenseDb(double magnitude);
