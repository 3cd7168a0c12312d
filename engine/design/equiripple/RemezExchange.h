#pragma once

#include "Barycentric.h"
#include "EquirippleGrid.h"

#include <optional>
#include <vector>

namespace equiripple {

// Where the exchange stopped.
struct CExchangeResult {
    std::vector<int> reference;      // grid indices of the r + 1 levelled points, increasing
    std::vector<double> errors;      // the weighted error at each of them
    std::vector<double> gridErrors;  // the weighted error on the whole grid, once converged
    // (max |error on the grid| - levelled deviation) / max |error on the grid|
    double dSpread = 1.0;
    int nIterations = 0;
    bool bConverged = false;
    std::optional<CBarycentricPolynomial> polynomial;  // the cosine sum of the last iteration
};

// The relative agreement of the extremal errors at which the exchange stops.
constexpr double kConvergence = 1e-6;

// Remez exchange for the best weighted approximation on grid by a polynomial in x with
// reference.size() - 1 coefficients, starting from reference: r + 1 >= 2 increasing grid
// indices. Each iteration levels the error on the reference (barycentric formula for the
// levelled deviation), evaluates the error on the whole grid and takes as the next
// reference the largest alternating extrema with at least the levelled deviation. Stops
// when converged (no error on the grid exceeds the levelled deviation by more than
// kConvergence relative or than the rounding of the arithmetic), after maxIterations, or
// when no alternating reference can be found.
CExchangeResult RunExchange(const CGrid& grid, std::vector<int> reference, int maxIterations);

}  // namespace equiripple
