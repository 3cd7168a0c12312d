#pragma once

#include <cstddef>
#include <vector>

namespace equiripple {

// One band of the measure: lo < hi in f (0 .. 0.5) and the weight of the error there (> 0).
struct CMeasureBand {
    double lo;
    double hi;
    double weight;
};

// The weighted equilibrium measure of a set of bands in x = cos(2 pi f): the distribution
// that the extrema of the best weighted approximation by polynomials of degree n follow.
// On intervals [a_i, b_i] of x it has the density |q(x)| / (pi sqrt(|R(x)|)), R the product
// of (x - e) over all interval ends e and q the monic polynomial of one degree less than
// the number of intervals whose integral of q / sqrt(R) over each gap between intervals is
// the difference of the logarithms of the weights on either side, divided by n (0 for
// equal weights): a band of larger weight draws more of the extrema. In f it is even in
// the middle of wide bands, crowds towards the ends that face a transition band (the
// narrower the transition the closer), and is even towards f = 0 and 0.5.
class CEquilibriumMeasure {
public:
    // bands: increasing and not overlapping, 1 to 16 of them; n >= 1.
    CEquilibriumMeasure(const std::vector<CMeasureBand>& bands, double n);

    // The share of the measure on band b (the shares add up to 1).
    double Share(int b) const { return m_shares[static_cast<size_t>(b)]; }
    // The frequency in band b below which the part u (0 .. 1) of the band's measure lies.
    double FrequencyAt(int b, double u) const;

private:
    // Band b in f is interval IntervalOf(b) in x, the intervals in increasing x.
    size_t IntervalOf(size_t b) const { return m_ends.size() / 2 - 1 - b; }
    // x of band b at theta (0 .. pi): cos(2 pi f) from the band's low f to its high f.
    double XAt(size_t b, double theta) const;
    // The density per unit of theta there.
    double Density(size_t b, double theta) const;
    // The measure of band b up to each of kSteps + 1 steps of theta (trapezoidal rule).
    std::vector<double> Cumulative(size_t b) const;

    std::vector<double> m_ends;  // interval ends in x, increasing
    std::vector<double> m_q;     // coefficients of q, lowest first
    std::vector<double> m_shares;
    std::vector<std::vector<double>> m_cumulative;  // per band: the measure up to each theta step
};

}  // namespace equiripple
