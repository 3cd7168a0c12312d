#pragma once

#include "CComplex.h"
#include "CComplexArray.h"

// poly becomes c (x - roots[0]) ... (x - roots[n-1]); poly[k] is the coefficient of x^k.
// 0 <= n <= roots.GetSize(); poly must hold at least n + 1 elements (those beyond n become 0).
// The product is evaluated at M >= n + 1 points of the unit circle and transformed back,
// which stays accurate for thousands of roots on or inside the unit circle, where
// multiplying the factors in one after another loses every digit.
void rt2poly(int n, CComplex c, const CComplexArray& roots, CComplexArray& poly);
