#pragma once

#include "Approximation.h"
#include "Barycentric.h"
#include "EquirippleGrid.h"

#include <vector>

namespace equiripple {

// Values of the weighted error, an estimate of the rounding of each, and the weight of
// the reduced problem there.
struct CErrorValues {
    std::vector<double> error;
    std::vector<double> bound;
    std::vector<double> weight;
};

// The weighted error W (D - Q P) of a polynomial P of the exchange, at any frequency of
// the bands of its approximation.
class CWeightedError {
public:
    CWeightedError(const CApproximation& a, CBarycentricPolynomial p) : m_a(a), m_p(std::move(p)) {}

    // At frequency f[i] of band band[i] (within the part of the band the grid covers).
    CErrorValues At(const std::vector<double>& f, const std::vector<int>& band) const;
    // At every point of grid (made for the same approximation).
    CErrorValues OnGrid(const CGrid& grid) const;

    const CBarycentricPolynomial& Polynomial() const { return m_p; }

private:
    const CApproximation& m_a;
    CBarycentricPolynomial m_p;
};

}  // namespace equiripple
