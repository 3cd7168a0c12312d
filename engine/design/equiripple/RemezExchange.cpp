#include "RemezExchange.h"

#include "ReferenceSelection.h"
#include "WeightedError.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <tuple>

namespace equiripple {

namespace {

// The largest rounding of the amplitude up to which errors may be told apart by rounding
// alone.
constexpr double kResolution = 1e-12;
// The largest |error| relative to the levelled deviation up to which the next steps
// search near the reference only.
constexpr double kLocalSpread = 2.0;

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

// The reduced problem at the points of a reference.
struct CNodes {
    std::vector<double> x, desired, weight;
};

CNodes nodesOf(const CApproximation& a, const std::vector<CExtremum>& reference)
{
    CNodes n;
    for (const CExtremum& p : reference) {
        const CReduced r = ReducedAt(a, a.bands[static_cast<size_t>(p.band)], p.f);
        n.x.push_back(r.x);
        n.desired.push_back(r.desired);
        n.weight.push_back(r.weight);
    }
    return n;
}

// The deviation that levels the weighted error on a reference.
struct CDeviation {
    double delta = 0.0;
    double bound = 0.0;  // its rounding
    size_t dropped = 0;  // the node the polynomial leaves out
};

// delta = sum w_k D_k / sum (-1)^k w_k / W_k. Since sum w_k = 0, the numerator is also
// sum w_k (D_k - 1); whichever sum has the smaller rounding is used. The polynomial leaves
// out the node of largest |w_m| / W_m, where a rounding of delta moves the error least.
CDeviation levelledDeviation(const CScaledWeights& w, const CNodes& n)
{
    CSum direct, shifted;
    double denominator = 0.0;
    CDeviation d;
    for (size_t k = 0; k < n.x.size(); ++k) {
        direct.Add(w.mantissa[k] * n.desired[k]);
        shifted.Add(w.mantissa[k] * (n.desired[k] - 1.0));
        denominator += alternation(k) * w.mantissa[k] / n.weight[k];
        if (std::abs(w.mantissa[k]) / n.weight[k] > std::abs(w.mantissa[d.dropped]) / n.weight[d.dropped])
            d.dropped = k;
    }
    const CSum& numerator = direct.size <= shifted.size ? direct : shifted;
    d.delta = numerator.value / denominator;
    d.bound = roundingUnit(n.x.size()) * numerator.size / std::abs(denominator);
    return d;
}

// The polynomial of degree r - 1 through D_k - (-1)^k delta / W_k at all nodes but the
// one left out; delta makes it take its levelled value there too. Its weights are those
// of all nodes w, each times its distance from the node left out.
CBarycentricPolynomial levelledPolynomial(const CNodes& n, const CScaledWeights& w, const CDeviation& d)
{
    std::vector<double> nodes, values;
    CScaledWeights remaining{{}, w.exponent};
    const double left = n.x[d.dropped];
    for (size_t k = 0; k < n.x.size(); ++k) {
        if (k != d.dropped) {
            nodes.push_back(n.x[k]);
            values.push_back(n.desired[k] - alternation(k) * d.delta / n.weight[k]);
            remaining.mantissa.push_back(w.mantissa[k] * (n.x[k] - left));
        }
    }
    return CBarycentricPolynomial(std::move(nodes), std::move(values), remaining);
}

// The reference points with their errors now, merged in order of frequency with the
// extrema of at least `least`.
std::vector<CExtremum> candidates(const CWeightedError& e, const std::vector<CExtremum>& reference,
    const std::vector<CExtremum>& extrema, double least)
{
    std::vector<double> f;
    std::vector<int> band;
    for (const CExtremum& p : reference)
        f.push_back(p.f), band.push_back(p.band);
    const CErrorValues now = e.At(f, band);
    std::vector<CExtremum> old, large, merged;
    for (size_t k = 0; k < reference.size(); ++k)
        old.push_back({f[k], band[k], now.error[k], now.bound[k], now.weight[k]});
    std::copy_if(extrema.begin(), extrema.end(), std::back_inserter(large),
        [least](const CExtremum& x) { return std::abs(x.error) >= least + x.bound; });
    std::merge(old.begin(), old.end(), large.begin(), large.end(), std::back_inserter(merged),
        [](const CExtremum& p, const CExtremum& q) { return p.f < q.f; });
    return merged;
}

// The levelled deviation is a lower bound of the best error (de la Vallee Poussin); the
// polynomial is certified optimal when no extremum exceeds it by more than tolerance
// (relative), or by more than the rounding of both where that rounding is below kResolution of
// the amplitude (a larger one means the reference is ill-conditioned, not that the
// arithmetic has reached its limit). Returns whether it is, and whether rounding decided.
std::pair<bool, bool> certified(const std::vector<CExtremum>& extrema, const CDeviation& d, double relative)
{
    const double tolerance = relative * std::abs(d.delta);
    bool floor = false;
    for (const CExtremum& x : extrema) {
        const double excess = std::abs(x.error) - std::abs(d.delta);
        const double rounding = x.bound + d.bound;
        if (excess <= tolerance)
            continue;
        if (excess > rounding || rounding > kResolution * x.weight)
            return {false, false};
        floor = true;
    }
    return {true, floor};
}


double largestSize(const std::vector<CExtremum>& extrema, double delta)
{
    double largest = std::abs(delta);
    for (const CExtremum& x : extrema)
        largest = std::max(largest, std::abs(x.error));
    return largest;
}

// What one iteration found: the extrema it looked at, whether they certify the levelled
// deviation, and the next reference (fewer points than the last when none alternates).
struct CStep {
    std::vector<CExtremum> extrema;
    bool converged = false;
    bool floor = false;
    std::vector<CExtremum> next;
    bool local = false;  // whether the next step may search near the next reference only
};

// Whether two references put as many points in each band.
bool sameShares(const std::vector<CExtremum>& p, const std::vector<CExtremum>& q)
{
    return p.size() == q.size()
        && std::equal(p.begin(), p.end(), q.begin(), [](const CExtremum& x, const CExtremum& y) { return x.band == y.band; });
}

// The error on the whole grid; nullopt when it is not finite everywhere.
std::optional<CStep> fullStep(const CGrid& grid, const CWeightedError& e, const std::vector<CExtremum>& reference,
    const CDeviation& d, double tolerance)
{
    const CErrorValues onGrid = e.OnGrid(grid);
    if (!std::all_of(onGrid.error.begin(), onGrid.error.end(), [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    CStep step;
    // Far from the optimum the grid's peaks steer as well as refined ones.
    const double largest = std::abs(*std::max_element(onGrid.error.begin(), onGrid.error.end(),
        [](double p, double q) { return std::abs(p) < std::abs(q); }));
    step.extrema = FindExtrema(grid, e, onGrid, 0.0, largest < kLocalSpread * std::abs(d.delta));
    std::tie(step.converged, step.floor) = certified(step.extrema, d, tolerance);
    step.next = NextReference(candidates(e, reference, step.extrema, step.converged ? 0.0 : std::abs(d.delta)), reference.size());
    // Near the optimum the extrema move little from one reference to the next.
    step.local = !step.converged && sameShares(step.next, reference)
        && largestSize(step.extrema, d.delta) < kLocalSpread * std::abs(d.delta);
    return step;
}

// The extrema near the reference only. They alternate as the reference does and lie at
// least as high, or the next step searches the whole grid.
CStep localStep(const CGrid& grid, const CWeightedError& e, const std::vector<CExtremum>& reference,
    const CDeviation& d, double tolerance)
{
    CStep step;
    step.extrema = LocalExtrema(grid, e, reference);
    std::tie(step.converged, step.floor) = certified(step.extrema, d, tolerance);
    step.local = true;
    for (size_t k = 0; k < reference.size(); ++k) {
        const CExtremum& x = step.extrema[k];
        step.local = step.local && (x.error > 0.0) == (k % 2 == 0 ? d.delta > 0.0 : d.delta < 0.0)
            && std::abs(x.error) >= std::abs(d.delta) * (1.0 - tolerance) - x.bound - d.bound;
    }
    step.next = step.local ? step.extrema : reference;
    return step;
}

// One iteration: the levelled deviation of a reference, the step it leads to and the
// polynomial that levels the error there.
struct CIteration {
    CStep step;
    CDeviation d;
    CBarycentricPolynomial p;
};

// The iteration on reference; nullopt where the levelled deviation or the error on the
// grid is not finite.
std::optional<CIteration> iterate(const CApproximation& a, const CExchangeGrids& grids,
    const std::vector<CExtremum>& reference, bool local, double tolerance)
{
    const CNodes nodes = nodesOf(a, reference);
    const CScaledWeights w = BarycentricWeights(nodes.x);
    const CDeviation d = levelledDeviation(w, nodes);
    if (!std::isfinite(d.delta))
        return std::nullopt;
    const CWeightedError e(a, levelledPolynomial(nodes, w, d));
    std::optional<CStep> step = local ? localStep(grids.search, e, reference, d, tolerance)
                                      : fullStep(grids.search, e, reference, d, tolerance);
    // A search near the reference only, or on the coarser grid, cannot certify.
    if (step && step->converged && (local || &grids.search != &grids.check))
        step = fullStep(grids.check, e, reference, d, tolerance);
    if (!step)
        return std::nullopt;
    return CIteration{std::move(*step), d, e.Polynomial()};
}

// Where the exchange stands after iteration it on reference; takes its extrema, and once
// converged its next reference.
CExchangeResult resultOf(const std::vector<CExtremum>& reference, CIteration& it, int iteration)
{
    CStep& step = it.step;
    CExchangeResult result{reference, std::move(step.extrema), it.d.delta, 0.0, iteration, step.converged, step.floor,
        std::move(it.p)};
    result.dSpread = 1.0 - std::abs(it.d.delta) / largestSize(result.extrema, it.d.delta);
    if (step.converged && step.next.size() == reference.size())
        result.reference = std::move(step.next);
    return result;
}

}  // namespace

double LevelledDeviation(const CApproximation& a, const std::vector<CExtremum>& reference)
{
    const CNodes nodes = nodesOf(a, reference);
    const double delta = std::abs(levelledDeviation(BarycentricWeights(nodes.x), nodes).delta);
    return std::isfinite(delta) ? delta : 0.0;
}

CExchangeResult RunExchange(const CApproximation& a, const CExchangeGrids& grids, std::vector<CExtremum> reference,
    int maxIterations, double tolerance)
{
    CExchangeResult result;
    bool local = false;
    for (int iteration = 1; iteration <= maxIterations; ++iteration) {
        std::optional<CIteration> it = iterate(a, grids, reference, local, tolerance);
        if (!it)
            break;
        const bool last = it->step.converged || it->step.next.size() < reference.size();
        result = resultOf(reference, *it, iteration);
        if (last)
            break;
        local = it->step.local;
        reference = std::move(it->step.next);
    }
    return result;
}

}  // namespace equiripple
