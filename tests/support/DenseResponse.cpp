#include "DenseResponse.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586476925286766559;
// Frequencies evaluated together, each with its own running phasor e^(-j 2 pi f n).
constexpr size_t kChunk = 512;
// The phasors are taken afresh from their angles every so many coefficients.
constexpr int kResync = 256;

void evaluateChunk(const std::vector<double>& h, const double* f, size_t count, double* magnitude)
{
    double pr[kChunk], pi[kChunk], rr[kChunk], ri[kChunk], ar[kChunk] = {}, ai[kChunk] = {};
    for (size_t k = 0; k < count; ++k) {
        rr[k] = std::cos(kTwoPi * f[k]);
        ri[k] = -std::sin(kTwoPi * f[k]);
    }
    for (size_t n = 0; n < h.size(); ++n) {
        if (n % kResync == 0) {
            for (size_t k = 0; k < count; ++k) {
                const double turns = std::fmod(f[k] * static_cast<double>(n), 1.0);
                pr[k] = std::cos(kTwoPi * turns);
                pi[k] = -std::sin(kTwoPi * turns);
            }
        }
        const double c = h[n];
        for (size_t k = 0; k < count; ++k) {
            ar[k] += c * pr[k];
            ai[k] += c * pi[k];
            const double next = pr[k] * rr[k] - pi[k] * ri[k];
            pi[k] = pr[k] * ri[k] + pi[k] * rr[k];
            pr[k] = next;
        }
    }
    for (size_t k = 0; k < count; ++k)
        magnitude[k] = std::hypot(ar[k], ai[k]);
}

}  // namespace

std::vector<double> DenseMagnitudes(const std::vector<double>& h, const std::vector<double>& frequencies)
{
    std::vector<double> magnitude(frequencies.size());
    for (size_t start = 0; start < frequencies.size(); start += kChunk)
        evaluateChunk(h, frequencies.data() + start, std::min(kChunk, frequencies.size() - start), magnitude.data() + start);
    return magnitude;
}

CDenseExtremes DenseExtremes(const std::vector<double>& h, double from, double to)
{
    std::vector<double> f = {from, to};
    for (long k = static_cast<long>(std::ceil(from * kDenseGridSize)); k <= static_cast<long>(std::floor(to * kDenseGridSize)); ++k)
        f.push_back(static_cast<double>(k) / kDenseGridSize);
    const std::vector<double> a = DenseMagnitudes(h, f);
    const auto [low, high] = std::minmax_element(a.begin(), a.end());
    return {*high, f[static_cast<size_t>(high - a.begin())], *low, f[static_cast<size_t>(low - a.begin())]};
}

double DenseDb(double magnitude) { return 20.0 * std::log10(magnitude); }
