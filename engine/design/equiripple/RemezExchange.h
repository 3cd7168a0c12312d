#pragma once

#include "Approximation.h"
#include "Barycentric.h"
#include "EquirippleGrid.h"
#include "ExtremumSearch.h"

#include <optional>
#include <vector>

namespace equiripple {

// Where the exchange stopped.
struct CExchangeResult {
    // The r + 1 alternating points of the last reference, increasing; once converged the
    // extrema of the error nearest to it, refined on the continuous bands.
    std::vector<CExtremum> reference;
    // Every local extremum of the error of the last iteration on the continuous bands.
    std::vector<CExtremum> extrema;
    double dDelta = 0.0;  // the levelled deviation of the last reference
    // (largest |error| on the bands - |levelled deviation|) / largest |error|
    double dSpread = 1.0;
    int nIterations = 0;
    bool bConverged = false;
    // Converged only within the rounding of the arithmetic, not within kConvergence.
    bool bAtRoundingFloor = false;
    std::optional<CBarycentricPolynomial> polynomial;  // P of the last iteration
};

// The relative agreement of the extremal errors at which a design stops.
constexpr double kConvergence = 1e-6;

// The grids the exchange searches: a coarser one while far from the optimum, and the one
// that certifies convergence (they may be the same).
struct CExchangeGrids {
    const CGrid& search;
    const CGrid& check;
};

// |delta|, the size of the error that levels the weighted error of a on reference (r + 1
// distinct points of the bands): a lower bound of the best error, the closer the nearer
// the reference lies to the extrema of the best approximation. 0 where it is not finite.
double LevelledDeviation(const CApproximation& a, const std::vector<CExtremum>& reference);

// Remez exchange for the best weighted approximation of a by a polynomial of
// reference.size() - 1 coefficients, starting from reference: r + 1 >= 2 points of the
// bands (frequency and band), increasing. Each iteration levels the error on the
// reference, evaluates it on the search grid, refines its local extrema on the continuous
// bands (FindExtrema) and takes as the next reference the largest alternating extrema
// with at least the levelled deviation. Once the largest error lies within twice that
// deviation and the bands keep their shares of the reference, the iterations search near
// the reference only (LocalExtrema). Stops when the check grid certifies convergence (no
// extremum exceeds the levelled deviation by more than tolerance of it, or by more than
// the rounding of the arithmetic where that lies below 1e-12 of the amplitude), after
// maxIterations, or when no alternating reference can be found.
CExchangeResult RunExchange(const CApproximation& a, const CExchangeGrids& grids, std::vector<CExtremum> reference,
    int maxIterations, double tolerance);

}  // namespace equiripple
