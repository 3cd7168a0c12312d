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

// Samples of an amplitude and a bound of their rounding.
struct CSamples {
    std::vector<double> value;
    double rounding = 0.0;
};

// What is left of Evaluate's rounding bound after EvaluateAccurately: about 1e-30 of the
// sizes of the terms where Evaluate's bound is 2 units in the last place of them.
constexpr double kAccurateShare = 1e-13;

// P at cos(2 pi k / n), k = 0 .. n / 2, with the largest rounding.
CSamples polynomialSamples(const CBarycentricPolynomial& p, int n)
{
    std::vector<double> x, bound;
    for (int k = 0; 2 * k <= n; ++k)
        x.push_back(std::cos(2.0 * kPi * k / n));
    CSamples s{std::vector<double>(x.size()), 0.0};
    bound.resize(x.size());
    p.Evaluate(x.data(), x.size(), s.value.data(), bound.data());
    for (size_t k = 0; k < x.size(); ++k) {
        if (!(bound[k] <= kLargestRounding))
            p.EvaluateAccurately(&x[k], 1, &s.value[k]), bound[k] *= kAccurateShare;
        s.rounding = std::max(s.rounding, bound[k]);
    }
    return s;
}

// A(k / n) for k = 0 .. n / 2: Q P, and exactly 0 where Q vanishes; |Q| <= 1 keeps P's
// rounding a bound, plus that of the product.
CSamples amplitudeSamples(const CApproximation& a, const CBarycentricPolynomial& p)
{
    const int n = a.nLength;
    CSamples samples = polynomialSamples(p, n);
    for (size_t k = 0; k < samples.value.size(); ++k) {
        const bool zero = (k == 0 && FactorVanishesAtZero(a)) || (2 * k == static_cast<size_t>(n) && FactorVanishesAtHalf(a));
        double& v = samples.value[k];
        v = zero ? 0.0 : v * Factor(a, static_cast<double>(k) / n);
        samples.rounding = std::max(samples.rounding, std::numeric_limits<double>::epsilon() * std::abs(v));
    }
    return samples;
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

// The spectrum of n coefficients of amplitude samples A(k / n), k = 0 .. n / 2.
CComplexArray linearPhaseSpectrum(const std::vector<double>& samples, int n, bool antisymmetric)
{
    CComplexArray spectrum(n);
    for (int k = 0; 2 * k <= n; ++k) {
        // The delay's phase -pi k (n - 1) / n, reduced exactly, plus a quarter turn for j.
        const double turns = static_cast<double>((static_cast<long long>(k) * (n - 1)) % (2LL * n)) / n;
        const double phase = -kPi * turns + (antisymmetric ? 0.5 * kPi : 0.0);
        const double amplitude = samples[static_cast<size_t>(k)];
        spectrum[k] = CComplex(amplitude * std::cos(phase), amplitude * std::sin(phase));
        spectrum[(n - k) % n] = CComplex(amplitude * std::cos(phase), -amplitude * std::sin(phase));
    }
    return spectrum;
}

// The transform of the n coefficients h zero-padded to m points.
CComplexArray paddedSpectrum(const CRealArray& h, int m)
{
    CComplexArray padded(m);
    for (int i = 0; i < h.GetSize(); ++i)
        padded[i] = CComplex(h[i], 0.0);
    return padded.fft();
}

// The amplitude at k / m of n coefficients from their m-point transform: H e^{j 2 pi f
// (n - 1) / 2} is A, or j A for an antisymmetric filter.
double amplitudeAt(const CComplexArray& spectrum, int k, int n, bool antisymmetric)
{
    const int m = spectrum.GetSize();
    const double angle = kPi * static_cast<double>((static_cast<long long>(k) * (n - 1)) % (2LL * m)) / m;
    const double c = std::cos(angle), s = std::sin(angle);
    const CComplex z = spectrum[k];
    return antisymmetric ? z.re * s + z.im * c : z.re * c - z.im * s;
}

double sumOfSizes(const CRealArray& h)
{
    double size = 0.0;
    for (int i = 0; i < h.GetSize(); ++i)
        size += std::abs(h[i]);
    return size;
}

// The Lebesgue constant of the interpolation of a trigonometric polynomial from its n
// samples at k / n, bounded above: (2 / pi) ln n plus a little more than its limit.
double lebesgueConstant(int n) { return 2.0 / kPi * std::log(static_cast<double>(n)) + 2.0; }

// A bound of |A_h - A| anywhere: the difference of h's amplitude from the samples of A at
// k / n, where h's amplitude comes from a transform whose rounding is at most a few units
// per stage of the sum of |h|, plus the samples' own rounding; the Lebesgue constant
// carries it between the samples.
double realizationBound(const CRealArray& h, const CSamples& samples, bool antisymmetric)
{
    const int n = h.GetSize();
    const CComplexArray spectrum = paddedSpectrum(h, n);
    double largest = 0.0;
    for (int k = 0; 2 * k <= n; ++k)
        largest = std::max(largest, std::abs(amplitudeAt(spectrum, k, n, antisymmetric) - samples.value[static_cast<size_t>(k)]));
    const double transform = 4.0 * std::numeric_limits<double>::epsilon() * (std::log2(static_cast<double>(n)) + 3.0) * sumOfSizes(h);
    return lebesgueConstant(n) * (largest + transform + samples.rounding);
}

// The largest weighted error of the amplitude spectrum (of m points) on band of a, less W
// times rounding.
double largestBandError(const CApproximation& a, const CBand& band, const CComplexArray& spectrum, double rounding)
{
    const int m = spectrum.GetSize();
    const bool proportional = IsProportional(a, band);
    const int first = std::max(static_cast<int>(std::ceil(band.lo * m)), proportional ? 1 : 0);
    const int last = static_cast<int>(std::floor(band.hi * m));
    double largest = -HUGE_VAL;
    for (int k = first; k <= last; ++k) {
        const double f = static_cast<double>(k) / m;
        const double amplitude = amplitudeAt(spectrum, k, a.nLength, a.bAntisymmetric);
        const double desired = proportional ? band.gain * f : band.gain;
        const double weight = proportional ? band.weight / f : band.weight;
        largest = std::max(largest, std::abs(weight * (desired - amplitude)) - weight * rounding);
    }
    return largest;
}

}  // namespace

CAmplitudeCoefficients AmplitudeCoefficients(const CApproximation& a, const CBarycentricPolynomial& p)
{
    const CSamples samples = amplitudeSamples(a, p);
    CRealArray h = linearPhaseSpectrum(samples.value, a.nLength, a.bAntisymmetric).ifft().Real();
    makeSymmetric(h, a.bAntisymmetric);
    const double rounding = realizationBound(h, samples, a.bAntisymmetric);
    return {std::move(h), rounding};
}

double LargestCoefficientError(const CApproximation& a, const CRealArray& h)
{
    const double rounding = std::min(8.0 * std::numeric_limits<double>::epsilon() * std::sqrt(static_cast<double>(h.GetSize())) * sumOfSizes(h),
        kLargestAmplitudeRounding);
    int m = kLeastCheckPoints;
    while (m < kCheckDensity * h.GetSize())
        m *= 2;
    const CComplexArray spectrum = paddedSpectrum(h, m);
    double largest = -HUGE_VAL;
    for (const CBand& band : a.bands)
        if (!band.guard)
            largest = std::max(largest, largestBandError(a, band, spectrum, rounding));
    return largest;
}

}  // namespace equiripple
