#pragma once

#include "Polynomial.h"

namespace zsolve {

// Partial sums kept apart so that the compiler may add four terms at a time.
constexpr int kLanes = 4;

// Adds 1 / (scale (z - x_j)) for j in [begin, end) to the lane sums (sr, si), x_j = (xr[j],
// xi[j]); scale, a power of two, keeps the squares of the differences in range. Built with
// AVX2 and without, the same operations in the same order in both.
void AddReciprocals(const double* xr, const double* xi, int begin, int end, Complex z, double scale, double* sr,
                    double* si);

// The power of two that brings z near 1 (1 for z = 0 and for a z that is not finite): multiplying the differences of
// points near z by it keeps their squares in range without changing a sum's value.
double ReciprocalScale(Complex z);

}  // namespace zsolve
