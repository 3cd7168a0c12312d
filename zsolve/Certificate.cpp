#include "Certificate.h"

#include "Parallel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zsolve {

namespace {

// Roots certified between two reports of progress.
constexpr size_t kBlock = 2048;

}  // namespace

std::vector<int> Uncertified(const CPolynomial& p, const std::vector<Complex>& z, const std::vector<int>& which,
                             const std::function<void(int)>& certified)
{
    const double smallestBound = std::numeric_limits<double>::denorm_min() / kUnitRoundoff;
    std::vector<HornerValue> values(z.size());
    std::vector<int> failed;
    for (size_t begin = 0; begin < which.size(); begin += kBlock) {
        const int count = static_cast<int>(std::min(kBlock, which.size() - begin));
        const int* block = which.data() + begin;
        SplitWork(count, static_cast<double>(count) * p.Degree(),
                  [&](int b, int e) { p.Evaluate(z, block + b, e - b, values, false); });
        for (int k = 0; k < count; ++k) {
            const HornerValue& h = values[static_cast<size_t>(block[k])];
            if (!p.WithinRounding(h, kCertainty) || !(h.bound >= smallestBound))
                failed.push_back(block[k]);
        }
        if (certified)
            certified(static_cast<int>(begin) + count - static_cast<int>(failed.size()));
    }
    return failed;
}

}  // namespace zsolve
