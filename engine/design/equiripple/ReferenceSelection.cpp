#include "ReferenceSelection.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace equiripple {

namespace {

bool isExtremum(const std::vector<double>& e, int i, int begin, int end)
{
    const double v = e[static_cast<size_t>(i)];
    const double left = i > begin ? e[static_cast<size_t>(i - 1)] : v;
    const double right = i + 1 < end ? e[static_cast<size_t>(i + 1)] : v;
    return v > 0.0 ? v >= left && v >= right : v <= left && v <= right;
}

std::vector<int> candidates(const CGrid& grid, const std::vector<double>& e, const std::vector<double>& bound,
    double delta, const std::vector<int>& previous)
{
    std::vector<int> found;
    for (size_t b = 0; b + 1 < grid.bandStart.size(); ++b) {
        const int begin = grid.bandStart[b], end = grid.bandStart[b + 1];
        for (int i = begin; i < end; ++i)
            if (std::abs(e[static_cast<size_t>(i)]) >= delta + bound[static_cast<size_t>(i)] && isExtremum(e, i, begin, end))
                found.push_back(i);
    }
    std::vector<int> merged;
    std::set_union(found.begin(), found.end(), previous.begin(), previous.end(), std::back_inserter(merged));
    return merged;
}

// Of each run of candidates with the same sign, the one of largest error.
std::vector<int> alternatingPeaks(const std::vector<int>& candidates, const std::vector<double>& e)
{
    const auto at = [&e](int i) { return e[static_cast<size_t>(i)]; };
    std::vector<int> peaks;
    for (int i : candidates) {
        if (peaks.empty() || (at(i) > 0.0) != (at(peaks.back()) > 0.0))
            peaks.push_back(i);
        else if (std::abs(at(i)) > std::abs(at(peaks.back())))
            peaks.back() = i;
    }
    return peaks;
}

// Removes the smallest peaks, keeping the signs alternating, until count remain: an end
// peak goes alone; an inner one goes with the smaller of its neighbours.
void keepLargest(std::vector<int>& peaks, const std::vector<double>& e, size_t count)
{
    const auto smaller = [&e](int a, int b) { return std::abs(e[static_cast<size_t>(a)]) < std::abs(e[static_cast<size_t>(b)]); };
    while (peaks.size() > count) {
        if (peaks.size() == count + 1) {
            peaks.erase(smaller(peaks.front(), peaks.back()) ? peaks.begin() : peaks.end() - 1);
            continue;
        }
        const auto smallest = std::min_element(peaks.begin(), peaks.end(), smaller);
        if (smallest == peaks.begin() || smallest == peaks.end() - 1) {
            peaks.erase(smallest);
            continue;
        }
        const auto neighbour = smaller(*(smallest - 1), *(smallest + 1)) ? smallest - 1 : smallest + 1;
        peaks.erase(std::max(smallest, neighbour));
        peaks.erase(std::min(smallest, neighbour));
    }
}

}  // namespace

std::vector<int> NextReference(const CGrid& grid, const std::vector<double>& e, const std::vector<double>& bound,
    double delta, const std::vector<int>& previous)
{
    std::vector<int> peaks = alternatingPeaks(candidates(grid, e, bound, delta, previous), e);
    keepLargest(peaks, e, previous.size());
    return peaks;
}

}  // namespace equiripple
