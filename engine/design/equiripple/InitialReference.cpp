#include "InitialReference.h"

#include "EquilibriumMeasure.h"
#include "RemezExchange.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace equiripple {

namespace {

CEquilibriumMeasure measureOf(const CApproximation& a, const CGrid& grid, int r)
{
    std::vector<CMeasureBand> bands;
    for (size_t b = 0; b < a.bands.size(); ++b) {
        const double middle = 0.5 * (grid.lo[b] + grid.hi[b]);
        bands.push_back({grid.lo[b], grid.hi[b], a.bands[b].weight / (IsProportional(a, a.bands[b]) ? middle : 1.0)});
    }
    return CEquilibriumMeasure(bands, r);
}

// r + 1 points shared by the bands' measures, every band one while there are enough;
// the largest shares take what rounding leaves over.
std::vector<int> countsOf(const CEquilibriumMeasure& measure, size_t bands, int r)
{
    const int total = r + 1, each = total >= static_cast<int>(bands) ? 1 : 0;
    std::vector<int> counts;
    for (size_t b = 0; b < bands; ++b)
        counts.push_back(each + static_cast<int>(std::lround(measure.Share(static_cast<int>(b)) * (total - each * static_cast<int>(bands)))));
    for (int sum = std::accumulate(counts.begin(), counts.end(), 0); sum != total; sum += sum < total ? 1 : -1) {
        auto largest = std::max_element(counts.begin(), counts.end());
        *largest += sum < total ? 1 : -1;
    }
    return counts;
}

std::vector<CExtremum> placed(const CEquilibriumMeasure& measure, const CGrid& grid, const std::vector<int>& counts)
{
    std::vector<CExtremum> reference;
    for (size_t b = 0; b < counts.size(); ++b) {
        const int band = static_cast<int>(b);
        for (int j = 0; j < counts[b]; ++j) {
            const double u = counts[b] == 1 ? 0.5 : static_cast<double>(j) / (counts[b] - 1);
            reference.push_back({std::clamp(measure.FrequencyAt(band, u), grid.lo[b], grid.hi[b]), band, 0.0, 0.0, 0.0});
        }
    }
    return reference;
}

// Below this size relative to the largest weighted gain the levelled deviation of a
// reference is taken for rounding of 0.
constexpr double kDegenerate = 1e-13;

// Whether the levelled deviation delta of a reference is only rounding of 0. So it is on
// a reference symmetric about f = 0.25 in a problem symmetric about it (an odd-length
// Hilbert transformer with a band symmetric about 0.25, for one), and so it stays on the
// references that follow: their errors are symmetric too.
bool degenerate(const CApproximation& a, double delta)
{
    double scale = 0.0;
    for (const CBand& band : a.bands)
        scale = std::max(scale, std::abs(band.gain) * band.weight);
    return !(delta > kDegenerate * scale);
}

// The points of counts with one more in the last band, the last left out: no longer
// symmetric.
std::vector<CExtremum> asymmetric(const CEquilibriumMeasure& measure, const CGrid& grid, std::vector<int> counts)
{
    ++counts.back();
    std::vector<CExtremum> reference = placed(measure, grid, counts);
    reference.pop_back();
    return reference;
}

// A starting reference: the points per band, where they lie, and their levelled deviation.
struct CStart {
    std::vector<int> counts;
    std::vector<CExtremum> reference;
    double delta;
};

// Moves start to the largest levelled deviation of the references with one point moved
// between neighbouring bands; false where none is larger.
bool betterMove(const CApproximation& a, const CEquilibriumMeasure& measure, const CGrid& grid, CStart& start)
{
    const std::vector<int> counts = start.counts;
    bool moved = false;
    for (size_t b = 0; b + 1 < counts.size(); ++b) {
        for (int direction : {-1, 1}) {
            std::vector<int> tried = counts;
            tried[b] += direction;
            tried[b + 1] -= direction;
            if (tried[b] < 1 || tried[b + 1] < 1)
                continue;
            std::vector<CExtremum> reference = placed(measure, grid, tried);
            if (const double delta = LevelledDeviation(a, reference); delta > start.delta)
                start = {tried, std::move(reference), delta}, moved = true;
        }
    }
    return moved;
}

}  // namespace

std::vector<CExtremum> StartingReference(const CApproximation& a, const CGrid& grid, int r, int maxMoves)
{
    const CEquilibriumMeasure measure = measureOf(a, grid, r);
    CStart start{countsOf(measure, a.bands.size(), r), {}, 0.0};
    start.reference = placed(measure, grid, start.counts);
    start.delta = LevelledDeviation(a, start.reference);
    for (int move = 0; move < maxMoves; ++move)
        if (!betterMove(a, measure, grid, start))
            break;
    if (degenerate(a, start.delta))
        return asymmetric(measure, grid, start.counts);
    return start.reference;
}

}  // namespace equiripple
