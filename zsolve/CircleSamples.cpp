#include "CircleSamples.h"

#include <algorithm>
#include <cmath>

namespace zsolve {

double QuantizedLog2(double rho)
{
    constexpr double kQuantum = 0x1p-24;
    return std::round(std::log2(rho) / kQuantum) * kQuantum;
}

std::vector<double> CircleWeights(const std::vector<Complex>& c, double log2Rho, double* log2Scale)
{
    double top = -HUGE_VAL;
    for (size_t k = 0; k < c.size(); ++k)
        if (c[k] != 0.0)
            top = std::max(top, std::ilogb(std::abs(c[k])) + 1 + static_cast<double>(k) * log2Rho);
    const double scale = std::ceil(top);
    if (log2Scale)
        *log2Scale = scale;
    std::vector<double> weights(c.size());
    for (size_t k = 0; k < c.size(); ++k)
        weights[k] = std::exp2(static_cast<double>(k) * log2Rho - scale);
    return weights;
}

CComplexArray SamplesOnCircle(const std::vector<Complex>& c, const std::vector<double>& weights, int points,
                              int order)
{
    CComplexArray folded(points);
    for (size_t k = static_cast<size_t>(order); k < c.size(); ++k) {
        CComplex& slot = folded[static_cast<int>(k & static_cast<size_t>(points - 1))];
        slot = CComplex(slot.re + c[k].real() * weights[k], slot.im + c[k].imag() * weights[k]);
    }
    return folded.fft();
}

CComplexArray SlopesOnCircle(const std::vector<Complex>& c, const std::vector<double>& weights, int points)
{
    std::vector<double> slopes(weights);
    for (size_t k = 0; k < slopes.size(); ++k)
        slopes[k] *= static_cast<double>(k);
    return SamplesOnCircle(c, slopes, points);
}

}  // namespace zsolve
