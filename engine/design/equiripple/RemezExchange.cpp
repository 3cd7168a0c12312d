#include "RemezExchange.h"

#include "ReferenceSelection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace equiripple {

namespace {

// The largest rounding of the amplitude up to which errors may be told apart by rounding
// alone.
constexpr double kResolution = 1e-12;

std::vector<double> gather(const std::vector<double>& values, const std::vector<int>& indices)
{
    std::vector<double> out;
    out.reserve(indices.size());
    for (int i : indices)
        out.push_back(values[static_cast<size_t>(i)]);
    return out;
}

double alternation(size_t k) { return k % 2 == 0 ? 1.0 : -1.0; }

// A few units in the last place, for a sum of n terms.
double roundingUnit(size_t n) { return 4.0 * std::numeric_limits<double>::epsilon() * std::sqrt(static_cast<double>(n)); }

// A sum and the sum of the sizes of its terms.
struct CSum {
    double value = 0.0;
    double size = 0.0;
    void Add(double term)
    {
        value += term;
        size += std::abs(term);
    }
};

// The deviation that levels the weighted error on a reference.
struct CDeviation {
    double delta = 0.0;
    double bound = 0.0;         // its rounding
    size_t dropped = 0;         // the node the polynomial leaves out
    double droppedBound = 0.0;  // rounding of the weighted error there, from that of delta
};

// delta = sum w_k D_k / sum (-1)^k w_k / W_k. Since sum w_k = 0, the numerator is also
// sum w_k (D_k - 1); whichever sum has the smaller rounding is used. A rounding error e of
// delta moves the error at the node left out, m, by W_m e den / w_m: m is the node of
// largest |w_m| / W_m.
CDeviation levelledDeviation(const CScaledWeights& w, const std::vector<double>& desired, const std::vector<double>& weight)
{
    CSum direct, shifted;
    double denominator = 0.0;
    CDeviation d;
    for (size_t k = 0; k < desired.size(); ++k) {
        direct.Add(w.mantissa[k] * desired[k]);
        shifted.Add(w.mantissa[k] * (desired[k] - 1.0));
        denominator += alternation(k) * w.mantissa[k] / weight[k];
        if (std::abs(w.mantissa[k]) / weight[k] > std::abs(w.mantissa[d.dropped]) / weight[d.dropped])
            d.dropped = k;
    }
    const CSum& numerator = direct.size <= shifted.size ? direct : shifted;
    const double rounding = roundingUnit(desired.size()) * numerator.size;
    d.delta = numerator.value / denominator;
    d.bound = rounding / std::abs(denominator);
    d.droppedBound = rounding * weight[d.dropped] / std::abs(w.mantissa[d.dropped]);
    return d;
}

// The polynomial of degree r - 1 through D_k - (-1)^k delta / W_k at all nodes but the
// one left out; delta makes it take its levelled value there too.
CBarycentricPolynomial levelledPolynomial(const std::vector<double>& x, const std::vector<double>& desired,
    const std::vector<double>& weight, const CDeviation& d)
{
    std::vector<double> nodes, values;
    for (size_t k = 0; k < x.size(); ++k) {
        if (k != d.dropped) {
            nodes.push_back(x[k]);
            values.push_back(desired[k] - alternation(k) * d.delta / weight[k]);
        }
    }
    return CBarycentricPolynomial(std::move(nodes), std::move(values));
}

// The weighted error on the grid and the rounding bound of each value.
struct CGridErrors {
    std::vector<double> error, bound;
};

CGridErrors weightedErrors(const CGrid& grid, const CBarycentricPolynomial& p)
{
    CGridErrors e{std::vector<double>(grid.x.size()), std::vector<double>(grid.x.size())};
    p.Evaluate(grid.x.data(), grid.x.size(), e.error.data(), e.bound.data());
    for (size_t i = 0; i < grid.x.size(); ++i) {
        e.error[i] = grid.weight[i] * (grid.desired[i] - e.error[i]);
        e.bound[i] *= grid.weight[i];
    }
    return e;
}

double largestSize(const std::vector<double>& e)
{
    return std::abs(*std::max_element(e.begin(), e.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
}

// The levelled deviation is a lower bound of the best error (de la Vallee Poussin); the
// polynomial is certified optimal when no grid error exceeds it by more than kConvergence
// of it, or by more than the rounding of both where that rounding is below kResolution of
// the amplitude (a larger one means the reference is ill-conditioned, not that the
// arithmetic has reached its limit).
bool certified(const CGrid& grid, const CGridErrors& e, const CDeviation& d)
{
    const double tolerance = kConvergence * std::abs(d.delta);
    for (size_t i = 0; i < e.error.size(); ++i) {
        const double excess = std::abs(e.error[i]) - std::abs(d.delta);
        const double rounding = e.bound[i] + d.bound;
        if (excess > tolerance && (excess > rounding || rounding > kResolution * grid.weight[i]))
            return false;
    }
    return true;
}

}  // namespace

CExchangeResult RunExchange(const CGrid& grid, std::vector<int> reference, int maxIterations)
{
    CExchangeResult result;
    for (int iteration = 1; iteration <= maxIterations; ++iteration) {
        const std::vector<double> x = gather(grid.x, reference), desired = gather(grid.desired, reference),
                                  weight = gather(grid.weight, reference);
        const CDeviation d = levelledDeviation(BarycentricWeights(x), desired, weight);
        if (!std::isfinite(d.delta))
            break;
        CBarycentricPolynomial p = levelledPolynomial(x, desired, weight, d);
        CGridErrors errors = weightedErrors(grid, p);
        if (!std::all_of(errors.error.begin(), errors.error.end(), [](double v) { return std::isfinite(v); }))
            break;
        double& droppedBound = errors.bound[static_cast<size_t>(reference[d.dropped])];
        droppedBound = std::max(droppedBound, d.droppedBound);
        result = {reference, gather(errors.error, reference), {}, 1.0 - std::abs(d.delta) / largestSize(errors.error),
            iteration, certified(grid, errors, d), std::move(p)};
        if (result.bConverged) {
            result.gridErrors = std::move(errors.error);
            break;
        }
        reference = NextReference(grid, errors.error, errors.bound, std::abs(d.delta), reference);
        if (reference.size() < result.reference.size())
            break;
    }
    return result;
}

}  // namespace equiripple
