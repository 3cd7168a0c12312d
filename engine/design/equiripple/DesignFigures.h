#pragma once

#include "AmplitudeCoefficients.h"
#include "Approximation.h"
#include "EquirippleDesign.h"
#include "RemezExchange.h"

namespace equiripple {

// The design of the coefficients c of the converged exchange of a, with its figures: the
// reference's frequencies and errors; each request band's largest deviation (guard bands
// left out), from the extrema of the polynomial's error plus their rounding and the
// rounding c carries (relative to f in a proportional band), never below what the
// coefficients reach; the pass and stop deviations; spread, floor and iterations of the
// exchange. Where floor is set the spread is that of those deviations instead.
CEquirippleDesign DesignFigures(const CApproximation& a, const CExchangeResult& exchange, CAmplitudeCoefficients c,
    bool floor);

// The largest weighted error of a design of a on the bands of the request: each band's
// deviation times its weight.
double LargestWeightedError(const CApproximation& a, const CEquirippleDesign& design);

// A half-band filter's design from that of its low pass g (DesignFigures of a one-band
// approximation): coefficients by HalfBandCoefficients, and an extremum of g's error e at
// v lies at v / 2 with e / 2 and at (1 - v) / 2 with -e / 2; both bands deviate by half
// g's deviation.
CEquirippleDesign HalfBandDesign(const CEquirippleDesign& g);

}  // namespace equiripple
