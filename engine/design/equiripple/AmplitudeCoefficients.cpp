#include "AmplitudeCoefficients.h"

#include "CComplexArray.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace equiripple {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The check of the coefficients: points per coefficient and at least.
constexpr int kCheckDensity = 4;
constexpr int kLeastCheckPoints = 256;
constexpr double kLargestRounding = 1e-15;
// The rounding of the amplitude beyond which coefficients resolve nothing of a design.
constexpr double kLargestAmplitudeRounding = 1e-12;

// P at cos(2 pi k / n), k = 0 .. n / 2.
std::vector<double> polynomialSamples(const CBarycentricPolynomial& p, int n)
{
    std::vector<double> x, value, bound;
    for (int k = 0; 2 * k <= n; ++k)
        x.push_back(std::cos(2.0 * kPi * k / n));
    value.resize(x.size());
    bound.resize(x.size());
    p.Evaluate(x.data(), x.size(), value.data(), bound.data());
    for (size_t k = 0; k < x.size(); ++k)
        if (!(bound[k] <= kLargestRounding))
            p.EvaluateAccurately(&x[k], 1, &value[k]);
    return value;
}

// A(k / n) for k = 0 .. n / 2: Q P, and exactly 0 where Q vanishes.
std::vector<double> amplitudeSamples(const CApproximation& a, const CBarycentricPolynomial& p)
{
    const int n = a.nLength;
    std::vector<double> samples = polynomialSamples(p, n);
    for (size_t k = 0; k < samples.size(); ++k) {
        const bool zero = (k == 0 && FactorVanishesAtZero(a)) || (2 * k == static_cast<size_t>(n) && FactorVanishesAtHalf(a));
        samples[k] = zero ? 0.0 : samples[k] * Factor(a, static_cast<double>(k) / n);
    }
    return samples;
}

double amplitudeRounding(const CRealArray& h)
{
    double size = 0.0;
    for (int i = 0; i < h.GetSize(); ++i)
        size += std::abs(h[i]);
    return 8.0 * std::numeric_limits<double>::epsilon() * std::sqrt(static_cast<double>(h.GetSize())) * size;
}

void makeSymmetric(CRealArray& h, bool antisymmetric)
{
    const int n = h.GetSize();
    for (int i = 0; 2 * i < n; ++i) {
        const double v = antisymmetric ? 0.5 * (h[i] - h[n - 1 - i]) : 0.5 * (h[i] + h[n - 1 - i]);
        h[i] = v;
        h[n - 1 - i] = antisymmetric ? -v : v;
    }
    if (antisymmetric && n % 2 == 1)
        h[n / 2] = 0.0;
}

}  // namespace

CRealArray AmplitudeCoefficients(const CApproximation& a, const CBarycentricPolynomial& p)
{
    const int n = a.nLength;
    const std::vector<double> samples = amplitudeSamples(a, p);
    CComplexArray spectrum(n);
    for (int k = 0; 2 * k <= n; ++k) {
        // The delay's phase -pi k (n - 1) / n, reduced exactly, plus a quarter turn for j.
        const double turns = static_cast<double>((static_cast<long long>(k) * (n - 1)) % (2LL * n)) / n;
        const double phase = -kPi * turns + (a.bAntisymmetric ? 0.5 * kPi : 0.0);
        const double amplitude = samples[static_cast<size_t>(k)];
        spectrum[k] = CComplex(amplitude * std::cos(phase), amplitude * std::sin(phase));
        spectrum[(n - k) % n] = CComplex(amplitude * std::cos(phase), -amplitude * std::sin(phase));
    }
    CRealArray h = spectrum.ifft().Real();
    makeSymmetric(h, a.bAntisymmetric);
    return h;
}

double LargestCoefficientError(const CApproximation& a, const CRealArray& h)
{
    const int n = h.GetSize();
    const double rounding = std::min(amplitudeRounding(h), kLargestAmplitudeRounding);
    int m = kLeastCheckPoints;
    while (m < kCheckDensity * n)
        m *= 2;
    CComplexArray padded(m);
    for (int i = 0; i < n; ++i)
        padded[i] = CComplex(h[i], 0.0);
    const CComplexArray spectrum = padded.fft();
    double largest = -HUGE_VAL;
    for (const CBand& band : a.bands) {
        const int first = std::max(static_cast<int>(std::ceil(band.lo * m)), IsProportional(a, band) ? 1 : 0);
        const int last = static_cast<int>(std::floor(band.hi * m));
        for (int k = first; k <= last; ++k) {
            const double f = static_cast<double>(k) / m;
            // H e^{j 2 pi f (N - 1) / 2} is A, or j A for an antisymmetric filter.
            const double angle = kPi * static_cast<double>((static_cast<long long>(k) * (n - 1)) % (2LL * m)) / m;
            const double c = std::cos(angle), s = std::sin(angle);
            const CComplex z = spectrum[k];
            const double amplitude = a.bAntisymmetric ? z.re * s + z.im * c : z.re * c - z.im * s;
            const bool proportional = IsProportional(a, band);
            const double desired = proportional ? band.gain * f : band.gain;
            const double weight = proportional ? band.weight / f : band.weight;
            largest = std::max(largest, std::abs(weight * (desired - amplitude)) - weight * rounding);
        }
    }
    return largest;
}

}  // namespace equiripple
