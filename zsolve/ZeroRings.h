#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// How the zeros of a polynomial of high degree d lie around the circle of radius
// |c_0 / c_d|^(1/d), the geometric mean of their moduli, where the zeros of long filters
// crowd: the number of zeros inside each of a set of circles, by the argument principle,
// and where along each ring between two circles its zeros lie.
struct ZeroRings {
    std::vector<double> log2Radius;  // of each circle, increasing
    std::vector<int> inside;         // zeros inside each circle, non-decreasing, at most d
    std::vector<double> meanLog;     // the mean of log |p| over each circle (NaN where unknown)
    // For each ring, the angles of its inside[l + 1] - inside[l] zeros, or empty where they
    // are not known.
    std::vector<std::vector<double>> angles;

    int Circles() const { return static_cast<int>(inside.size()); }
    // The radius halfway (in log radius) between circles l and l + 1, -1 <= l < Circles(),
    // circles -1 and Circles() lying a ring's width beyond the first and the last.
    double RingRadius(int l) const;
    // The geometric mean of the moduli of the zeros in ring l (0 <= l < Circles() - 1) by
    // Jensen's formula, which gives the sum of log |z| over the zeros inside a circle from
    // the mean of log |p| over it; RingRadius(l) where that is not known. Within the ring.
    double ZeroRadius(int l) const;
};

// Counts the zeros inside circles spaced ringWidth / d apart in log radius, an even number
// of them (circles, rounded up) symmetric about the mean, so that none passes through the
// mean, where the zeros of a linear-phase filter lie. A circle is walked from the middle
// outward (and inward) until all zeros (or none) lie inside; the circles beyond are not
// sampled. Each count comes from the phase of p at 4 d or more points of the circle (two
// FFTs: p and z p'); a circle through a line of zeros is moved half a ring off it. A
// count can still miss a zero that lies far nearer its circle than the points lie to
// each other; counts left inconsistent by such a miss are made non-decreasing. The
// starting points only need them about right.
ZeroRings CountZeroRings(const std::vector<Complex>& c, double ringWidth, int circles);

// The starting approximations of the zeros: for each ring as many points as it holds zeros,
// at the angles found for them (spread like them where the ring's count was corrected;
// evenly spaced where none were found, each ring turned by its own angle), at the ring's
// ZeroRadius; for the zeros inside the first circle or outside the last,
// the smallest or largest of fallback (d points), moved inside or outside them.
std::vector<Complex> RingStartingPoints(const ZeroRings& rings, std::vector<Complex> fallback);

}  // namespace zsolve
