#include "InitialReference.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace equiripple {

namespace {

int bandOf(const CGrid& grid, int index)
{
    return static_cast<int>(std::upper_bound(grid.bandStart.begin(), grid.bandStart.end(), index)
        - grid.bandStart.begin()) - 1;
}

// The old counts per band scaled to total, largest bands adjusted for rounding.
std::vector<int> scaledCounts(const std::vector<int>& old, int total)
{
    const int oldTotal = std::accumulate(old.begin(), old.end(), 0);
    std::vector<int> counts;
    for (int c : old)
        counts.push_back(static_cast<int>(std::lround(static_cast<double>(c) * total / oldTotal)));
    for (int sum = std::accumulate(counts.begin(), counts.end(), 0); sum != total;) {
        auto largest = std::max_element(counts.begin(), counts.end());
        *largest += sum < total ? 1 : -1;
        sum += sum < total ? 1 : -1;
    }
    return counts;
}

// count frequencies following the increasing positions by rank.
std::vector<double> resample(const std::vector<double>& positions, int count)
{
    std::vector<double> out;
    for (int j = 0; j < count; ++j) {
        const double t = count == 1 ? 0.0 : static_cast<double>(j) * (positions.size() - 1) / (count - 1);
        const size_t i = std::min(static_cast<size_t>(t), positions.size() - 1);
        const double next = positions[std::min(i + 1, positions.size() - 1)];
        out.push_back(positions[i] + (t - static_cast<double>(i)) * (next - positions[i]));
    }
    return out;
}

int nearestIndex(const CGrid& grid, int band, double f)
{
    const auto begin = grid.f.begin() + grid.bandStart[static_cast<size_t>(band)];
    const auto end = grid.f.begin() + grid.bandStart[static_cast<size_t>(band) + 1];
    auto it = std::lower_bound(begin, end, f);
    if (it == end || (it != begin && f - *(it - 1) < *it - f))
        --it;
    return static_cast<int>(it - grid.f.begin());
}

// Makes the indices strictly increasing within 0 .. size - 1, moving as few as needed.
void separate(std::vector<int>& indices, int size)
{
    for (size_t i = 1; i < indices.size(); ++i)
        indices[i] = std::max(indices[i], indices[i - 1] + 1);
    indices.back() = std::min(indices.back(), size - 1);
    for (size_t i = indices.size() - 1; i-- > 0;)
        indices[i] = std::min(indices[i], indices[i + 1] - 1);
}

}  // namespace

std::vector<int> EvenReference(const CGrid& grid, int r)
{
    const size_t bands = grid.bandStart.size() - 1;
    std::vector<int> sizes;
    for (size_t b = 0; b < bands; ++b)
        sizes.push_back(grid.bandStart[b + 1] - grid.bandStart[b]);
    // Every band gets a point while there are enough (neighbouring bands want different
    // amplitudes, so the levelled deviation is not 0); the rest go by the bands' sizes.
    std::vector<int> counts(bands, 0);
    if (static_cast<size_t>(r + 1) >= bands) {
        counts = scaledCounts(sizes, r + 1 - static_cast<int>(bands));
        for (int& count : counts)
            ++count;
    } else {
        std::fill(counts.begin(), counts.begin() + r + 1, 1);
    }
    std::vector<int> reference;
    for (size_t b = 0; b < bands; ++b)
        for (int j = 0; j < counts[b]; ++j)
            reference.push_back(grid.bandStart[b] + (counts[b] == 1 ? sizes[b] / 2 : j * (sizes[b] - 1) / (counts[b] - 1)));
    separate(reference, static_cast<int>(grid.f.size()));
    return reference;
}

std::vector<int> ScaledReference(const CGrid& oldGrid, const std::vector<int>& oldReference,
    const CGrid& grid, int r)
{
    const size_t bands = grid.bandStart.size() - 1;
    std::vector<std::vector<double>> positions(bands);
    for (int i : oldReference)
        positions[static_cast<size_t>(bandOf(oldGrid, i))].push_back(oldGrid.f[static_cast<size_t>(i)]);
    std::vector<int> oldCounts;
    for (const auto& p : positions)
        oldCounts.push_back(static_cast<int>(p.size()));
    const std::vector<int> counts = scaledCounts(oldCounts, r + 1);
    std::vector<int> reference;
    for (size_t b = 0; b < bands; ++b)
        for (double f : resample(positions[b], counts[b]))
            reference.push_back(nearestIndex(grid, static_cast<int>(b), f));
    separate(reference, static_cast<int>(grid.f.size()));
    return reference;
}

}  // namespace equiripple
