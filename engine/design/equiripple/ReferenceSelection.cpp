#include "ReferenceSelection.h"

#include <algorithm>
#include <cmath>

namespace equiripple {

namespace {

bool smaller(const CExtremum& a, const CExtremum& b) { return std::abs(a.error) < std::abs(b.error); }

// Of each run of candidates with the same sign, the one of largest error.
std::vector<CExtremum> alternatingPeaks(const std::vector<CExtremum>& candidates)
{
    std::vector<CExtremum> peaks;
    for (const CExtremum& c : candidates) {
        if (peaks.empty() || (c.error > 0.0) != (peaks.back().error > 0.0))
            peaks.push_back(c);
        else if (smaller(peaks.back(), c))
            peaks.back() = c;
    }
    return peaks;
}

// Removes the smallest peaks, keeping the signs alternating, until count remain: an end
// peak goes alone; an inner one goes with the smaller of its neighbours.
void keepLargest(std::vector<CExtremum>& peaks, size_t count)
{
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

std::vector<CExtremum> NextReference(const std::vector<CExtremum>& candidates, size_t count)
{
    std::vector<CExtremum> peaks = alternatingPeaks(candidates);
    keepLargest(peaks, count);
    return peaks;
}

}  // namespace equiripple
