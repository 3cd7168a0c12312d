#pragma once

#include "Polynomial.h"

#include <vector>

namespace zsolve {

// The d starting approximations for the Aberth-Ehrlich iteration: for each edge of the
// upper convex hull of the points (k, log |c_k|) (the Newton polygon) from k = a to
// k = b, b - a points evenly spaced on the circle of radius (|c_a| / |c_b|)^(1/(b-a)),
// the circles turned against each other so that no two points coincide.
std::vector<Complex> StartingPoints(const CPolynomial& p);

}  // namespace zsolve
