#pragma once

#include "Polynomial.h"
#include "Progress.h"

#include <vector>

namespace zsolve {

// The d roots of the polynomial with coefficients c (d + 1 >= 2 of them, finite, the first
// and the last not zero, scaled so that sums of their moduli cannot overflow), each
// certified (Certificate.h). A short polynomial: Aberth-Ehrlich sweeps with Horner's rule
// from starting points on the circles of the Newton polygon. A long one (degree
// kFastDegree and more): starting points where the argument principle puts the zeros
// (ZeroRings.h), sweeps with a Taylor table for the zeros in its annulus and the
// repulsion tree, Horner's rule for the rest. Up to degree 8191 every root then gets a
// Newton step in long double. Roots that fail
// the certificate are refined again (more sweeps, then a restart from points moved off
// them, each followed by the long double Newton step) before it gives up with
// RootFindingError. report: found and certified among the d roots.
std::vector<Complex> ProperRoots(const std::vector<Complex>& c, const ProgressReport& report);

// From this degree on ProperRoots takes the way for long polynomials.
constexpr int kFastDegree = 1024;

}  // namespace zsolve
