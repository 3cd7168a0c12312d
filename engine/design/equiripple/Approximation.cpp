#include "Approximation.h"

#include <cmath>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool oddLength(const CApproximation& a) { return a.nLength % 2 == 1; }

// Q(f) / f, with its limit at f = 0; only for the antisymmetric factors.
double factorOverFrequency(const CApproximation& a, double f)
{
    const double omega = oddLength(a) ? 2.0 * kPi : kPi;
    return f == 0.0 ? omega : std::sin(omega * f) / f;
}

}  // namespace

int FreeTerms(const CApproximation& a)
{
    if (!oddLength(a))
        return a.nLength / 2;
    return a.bAntisymmetric ? (a.nLength - 1) / 2 : (a.nLength + 1) / 2;
}

bool IsProportional(const CApproximation& a, const CBand& band) { return a.bProportional && band.gain != 0.0; }

double Factor(const CApproximation& a, double f)
{
    if (!a.bAntisymmetric)
        return oddLength(a) ? 1.0 : std::cos(kPi * f);
    return std::sin((oddLength(a) ? 2.0 : 1.0) * kPi * f);
}

CReduced ReducedAt(const CApproximation& a, const CBand& band, double f)
{
    const double x = std::cos(2.0 * kPi * f);
    if (IsProportional(a, band)) {
        const double q = factorOverFrequency(a, f);
        return {x, band.gain / q, band.weight * q};
    }
    const double q = Factor(a, f);
    return {x, band.gain / q, band.weight * q};
}

bool FactorVanishesAtZero(const CApproximation& a) { return a.bAntisymmetric; }

bool FactorVanishesAtHalf(const CApproximation& a) { return oddLength(a) == a.bAntisymmetric; }

}  // namespace equiripple
