#pragma once

#include <vector>

namespace equiripple {

// One band of the approximation: frequencies lo .. hi (fractions of the sampling
// frequency, 0 <= lo < hi <= 0.5), the amplitude wanted there (or, in a proportional
// band, its slope: gain * f) and the weight of its error (> 0; in a proportional band
// weight / f). A guard band lies in a transition band of the request and only keeps the
// amplitude there bounded (GuardBands.h); the request's figures leave it out.
struct CBand {
    double lo;
    double hi;
    double gain;
    double weight;
    bool guard = false;
};

// The weighted approximation problem of a linear-phase filter of nLength coefficients:
// its amplitude A(f), real with the delay (N - 1) / 2 taken out, is Q(f) P(cos 2 pi f)
// with P a polynomial of FreeTerms() coefficients and Q fixed by length and symmetry:
// 1 (odd, symmetric), cos(pi f) (even, symmetric), sin(2 pi f) (odd, antisymmetric),
// sin(pi f) (even, antisymmetric). The error is W(f) (D(f) - A(f)) on the bands.
struct CApproximation {
    int nLength = 1;
    bool bAntisymmetric = false;
    // A differentiator: in its bands of gain other than 0 (proportional bands) D = gain f
    // and W = weight / f, a relative error; its bands of gain 0 keep D = 0 and W = weight.
    bool bProportional = false;
    std::vector<CBand> bands;    // increasing, not overlapping
};

// The number of coefficients of P: (N + 1) / 2, N / 2, (N - 1) / 2, N / 2 in the order above.
int FreeTerms(const CApproximation& a);

// Whether band of a is proportional: D = gain f, W = weight / f.
bool IsProportional(const CApproximation& a, const CBand& band);

// Q(f) for 0 <= f <= 0.5.
double Factor(const CApproximation& a, double f);

// The problem for P at one frequency: x = cos(2 pi f), desired D / Q and weight W Q, so
// that W (D - Q P) = weight (desired - P(x)).
struct CReduced {
    double x;
    double desired;
    double weight;
};

// The reduced problem at f within band (of a). Where Q vanishes it is defined only for a
// proportional band at f = 0 (the limits of D / Q and W Q); elsewhere f must keep off
// those zeros.
CReduced ReducedAt(const CApproximation& a, const CBand& band, double f);

// Whether Q vanishes at f = 0 or at f = 0.5.
bool FactorVanishesAtZero(const CApproximation& a);
bool FactorVanishesAtHalf(const CApproximation& a);

}  // namespace equiripple
