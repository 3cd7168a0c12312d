#include "ExtremumSearch.h"

#include "PeakRefinement.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

// Steps of the walk uphill from a reference point.
constexpr int kWalks = 8;

bool isPeak(const std::vector<double>& e, int i, int begin, int end)
{
    const double v = std::abs(e[static_cast<size_t>(i)]);
    return (i == begin || v >= std::abs(e[static_cast<size_t>(i - 1)]))
        && (i + 1 == end || v >= std::abs(e[static_cast<size_t>(i + 1)]));
}

CExtremum gridPoint(const CGrid& grid, const CErrorValues& errors, int i, int band)
{
    const size_t k = static_cast<size_t>(i);
    return {grid.f[k], band, errors.error[k], errors.bound[k], errors.weight[k]};
}

// The bracket of grid point i of a band, between its neighbours in the band.
CPeakBracket bracketAt(const CGrid& grid, const CErrorValues& errors, int i, int band)
{
    const int begin = grid.bandStart[static_cast<size_t>(band)], end = grid.bandStart[static_cast<size_t>(band) + 1];
    const size_t left = static_cast<size_t>(std::max(i - 1, begin)), right = static_cast<size_t>(std::min(i + 1, end - 1));
    return MakeBracket(grid.f[left], std::abs(errors.error[left]), gridPoint(grid, errors, i, band), grid.f[right],
        std::abs(errors.error[right]));
}

// How far the search around reference point k may reach: to the middle between it and
// its neighbours in its band, or to the band's ends.
std::pair<double, double> reachOf(const CGrid& grid, const std::vector<CExtremum>& reference, size_t k)
{
    const CExtremum& p = reference[k];
    const size_t band = static_cast<size_t>(p.band);
    double lo = grid.lo[band], hi = grid.hi[band];
    if (k > 0 && reference[k - 1].band == p.band)
        lo = 0.5 * (reference[k - 1].f + p.f);
    if (k + 1 < reference.size() && reference[k + 1].band == p.band)
        hi = 0.5 * (p.f + reference[k + 1].f);
    return {lo, hi};
}

// The error at frequencies f of bands band.
std::vector<CExtremum> errorsAt(const CWeightedError& e, const std::vector<double>& f, const std::vector<int>& band)
{
    const CErrorValues v = e.At(f, band);
    std::vector<CExtremum> out;
    for (size_t i = 0; i < f.size(); ++i)
        out.push_back({f[i], band[i], v.error[i], v.bound[i], v.weight[i]});
    return out;
}

// A walk uphill from one reference point: three points a <= b <= c and how far it may reach.
struct CWalk {
    CExtremum a, b, c;
    double lo, hi;
};

// The first three points of the walks: each reference point and a quarter of its reach
// on either side.
std::vector<CWalk> startWalks(const CGrid& grid, const CWeightedError& e, const std::vector<CExtremum>& reference)
{
    std::vector<double> f;
    std::vector<int> band;
    std::vector<std::pair<double, double>> reach;
    for (size_t k = 0; k < reference.size(); ++k) {
        const auto [lo, hi] = reachOf(grid, reference, k);
        const double x = reference[k].f;
        const double step = 0.25 * std::min(x > lo ? x - lo : hi - x, hi > x ? hi - x : x - lo);
        reach.push_back({lo, hi});
        for (double at : {std::max(lo, x - step), x, std::min(hi, x + step)})
            f.push_back(at), band.push_back(reference[k].band);
    }
    const std::vector<CExtremum> v = errorsAt(e, f, band);
    std::vector<CWalk> walks;
    for (size_t k = 0; k < reference.size(); ++k)
        walks.push_back({v[3 * k], v[3 * k + 1], v[3 * k + 2], reach[k].first, reach[k].second});
    return walks;
}

bool risesRight(const CWalk& w) { return std::abs(w.c.error) > std::abs(w.b.error) && w.c.f < w.hi; }
bool risesLeft(const CWalk& w) { return std::abs(w.a.error) > std::abs(w.b.error) && w.a.f > w.lo; }

// Moves each walk whose |error| still rises at one side a step further that way (twice
// the last step, within reach); false when none moves.
bool walkUphill(std::vector<CWalk>& walks, const CWeightedError& e)
{
    std::vector<double> f;
    std::vector<int> band;
    std::vector<CWalk*> moving;
    for (CWalk& w : walks) {
        if (risesRight(w))
            f.push_back(std::min(w.hi, w.c.f + 2.0 * (w.c.f - w.b.f)));
        else if (risesLeft(w))
            f.push_back(std::max(w.lo, w.a.f - 2.0 * (w.b.f - w.a.f)));
        else
            continue;
        band.push_back(w.b.band);
        moving.push_back(&w);
    }
    const std::vector<CExtremum> v = errorsAt(e, f, band);
    for (size_t i = 0; i < moving.size(); ++i) {
        CWalk& w = *moving[i];
        if (v[i].f > w.b.f)
            w = {w.b, w.c, v[i], w.lo, w.hi};
        else
            w = {v[i], w.a, w.b, w.lo, w.hi};
    }
    return !moving.empty();
}

}  // namespace

std::vector<CExtremum> FindExtrema(const CGrid& grid, const CWeightedError& e, const CErrorValues& errors,
    double threshold, bool refine)
{
    std::vector<CPeakBracket> brackets;
    for (size_t band = 0; band + 1 < grid.bandStart.size(); ++band) {
        const int begin = grid.bandStart[band], end = grid.bandStart[band + 1];
        for (int i = begin; i < end; ++i)
            if (std::abs(errors.error[static_cast<size_t>(i)]) >= threshold && isPeak(errors.error, i, begin, end))
                brackets.push_back(bracketAt(grid, errors, i, static_cast<int>(band)));
    }
    if (refine)
        RefinePeaks(brackets, e);
    std::vector<CExtremum> found;
    for (const CPeakBracket& k : brackets)
        found.push_back(k.best);
    return found;
}

std::vector<CExtremum> LocalExtrema(const CGrid& grid, const CWeightedError& e, const std::vector<CExtremum>& reference)
{
    std::vector<CWalk> walks = startWalks(grid, e, reference);
    for (int step = 0; step < kWalks && walkUphill(walks, e); ++step) {
    }
    std::vector<CPeakBracket> brackets;
    for (const CWalk& w : walks) {
        // A walk that reached the end of its reach leads there.
        const bool atRight = risesRight(w) || (std::abs(w.c.error) > std::abs(w.b.error));
        const bool atLeft = !atRight && std::abs(w.a.error) > std::abs(w.b.error);
        if (atRight)
            brackets.push_back(MakeBracket(w.b.f, std::abs(w.b.error), w.c, w.c.f, std::abs(w.c.error)));
        else if (atLeft)
            brackets.push_back(MakeBracket(w.a.f, std::abs(w.a.error), w.a, w.b.f, std::abs(w.b.error)));
        else
            brackets.push_back(MakeBracket(w.a.f, std::abs(w.a.error), w.b, w.c.f, std::abs(w.c.error)));
    }
    RefinePeaks(brackets, e);
    std::vector<CExtremum> found;
    for (const CPeakBracket& k : brackets)
        found.push_back(k.best);
    return found;
}

}  // namespace equiripple
