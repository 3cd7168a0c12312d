#pragma once

#include "Approximation.h"
#include "EquirippleDesign.h"

namespace equiripple {

// The approximation problem of a well-formed request of a length its type can have:
// the four FilterTypes as pass bands of gain 1 and stop bands of gain 0 between 0, the
// edges and 0.5, weighted 1 and pass deviation / stop deviation (or by the request's
// weights); a multiband filter's bands; a differentiator's bands, antisymmetric and
// proportional; a Hilbert transformer's band of gain 1, antisymmetric. A half-band
// filter of N = 4k - 1 coefficients is made from the even-length low pass of (N + 1) / 2
// coefficients and one band 0 .. 2 F of gain 1 (HalfBandCoefficients), whose problem this
// is.
CApproximation ApproximationOf(const CEquirippleRequest& request);

// The half-band filter (N = 2 n - 1 coefficients) of the n coefficients g of that low pass:
// h[2 i] = g[i] / 2, h[n - 1] = 1 / 2, every other coefficient 0. Its amplitude is
// (1 + G(2 f)) / 2, so its error in both bands is half that of g in its one band.
CRealArray HalfBandCoefficients(const CRealArray& g);

}  // namespace equiripple
