#pragma once

#include "CRealArray.h"

// n-point Kaiser window with parameter beta >= 0:
//   w[k] = I0(beta sqrt(1 - (2k/(n-1) - 1)^2)) / I0(beta),  k = 0 .. n-1,
// I0 the modified Bessel function of order 0. n = 1 gives the single value 1; n <= 0 an
// empty window. A negative or non-finite beta raises std::invalid_argument.
CRealArray Kaizer(int n, double beta);
