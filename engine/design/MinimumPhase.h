#pragma once

#include "CComplexArray.h"
#include "CRealArray.h"

// Replaces every zero with modulus above 1 (no tolerance) by its mirror image in the unit
// circle, 1 / conj(z): the same argument and the reciprocal modulus. Returns how many.
int MirrorOutsideZeros(CComplexArray& zeros);

// The real coefficients h[0 .. n] of the monic polynomial with the n given zeros, highest
// power first (h[0] = 1 before scaling), scaled so that their root-mean-square value is
// rms. Imaginary parts, rounding residue for zeros in conjugate pairs, are dropped.
CRealArray CoefficientsFromZeros(const CComplexArray& zeros, double rms);
