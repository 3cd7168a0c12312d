#include "rt2poly.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A complex value kept as mantissa * 2^exponent, so that a product of thousands of
// factors neither overflows nor underflows.
struct ScaledComplex {
    CComplex mantissa{1.0, 0.0};
    int exponent = 0;

    // Multiplies by re + i im, renormalizing when the mantissa leaves 2^-400 .. 2^400.
    void multiply(double re, double im)
    {
        const double r = mantissa.re * re - mantissa.im * im;
        const double i = mantissa.re * im + mantissa.im * re;
        mantissa = CComplex(r, i);
        const double size = std::fabs(r) + std::fabs(i);
        if (size > 0x1p400 || (size < 0x1p-400 && size > 0.0))
            renormalize(size);
    }

    void renormalize(double size)
    {
        int e = 0;
        std::frexp(size, &e);
        mantissa = CComplex(std::ldexp(mantissa.re, -e), std::ldexp(mantissa.im, -e));
        exponent += e;
    }

    bool isZero() const { return mantissa.re == 0.0 && mantissa.im == 0.0; }
};

// Points evaluated together, as one vector of the processor, and the factors multiplied
// in between two looks at the products' sizes.
constexpr int kLanes = 32;
constexpr int kChunk = 64;

// For each chunk of kChunk roots, whether the product of its factors (x - r) stays below
// 2^100 for every x on the unit circle (|x - r| <= 1 + |r|). Within such a chunk a product
// that starts within 2^-400 .. 2^400 and ends within 2^-900 .. 2^900 never left the range
// of normal doubles on the way, so its plain multiplication lost nothing.
std::vector<bool> boundedChunks(int n, const CComplexArray& roots)
{
    std::vector<bool> bounded(static_cast<size_t>((n + kChunk - 1) / kChunk));
    for (size_t chunk = 0; chunk < bounded.size(); ++chunk) {
        double log2Bound = 0.0;
        const int end = std::min(n, static_cast<int>(chunk + 1) * kChunk);
        for (int i = static_cast<int>(chunk) * kChunk; i < end; ++i)
            log2Bound += std::log2(1.0 + roots[i].abs());
        bounded[chunk] = log2Bound <= 100.0;
    }
    return bounded;
}

// kLanes points x of the unit circle with their products c (x - roots[0]) ...
struct LaneBlock {
    double xr[kLanes], xi[kLanes], re[kLanes], im[kLanes];
    int exponent[kLanes];
};

// Multiplies every lane by (x - roots[i]) for first <= i < end, in plain doubles: the
// products are the same on every processor (the file is built without contracting a
// product and a sum into one rounding), made with its widest vectors.
__attribute__((target_clones("avx512f", "avx2", "default"))) void multiplyPlain(LaneBlock& b, const CComplexArray& roots, int first, int end)
{
    for (int i = first; i < end; ++i) {
        const double rr = roots[i].re, ri = roots[i].im;
        for (int j = 0; j < kLanes; ++j) {
            const double fr = b.xr[j] - rr, fi = b.xi[j] - ri;
            const double r = b.re[j] * fr - b.im[j] * fi;
            b.im[j] = b.re[j] * fi + b.im[j] * fr;
            b.re[j] = r;
        }
    }
}

// Multiplies lane j by (x - roots[i]) for first <= i < end one factor at a time, each
// product renormalized as needed; a product that reaches 0 stays 0.
void multiplyScaled(LaneBlock& b, int j, const CComplexArray& roots, int first, int end)
{
    ScaledComplex v{CComplex(b.re[j], b.im[j]), b.exponent[j]};
    for (int i = first; i < end && !v.isZero(); ++i)
        v.multiply(b.xr[j] - roots[i].re, b.xi[j] - roots[i].im);
    b.re[j] = v.mantissa.re;
    b.im[j] = v.mantissa.im;
    b.exponent[j] = v.exponent;
}

// True when every lane's product lies within 2^-400 .. 2^400 (NaN does not).
bool allWithinRange(const LaneBlock& b)
{
    bool within = true;
    for (int j = 0; j < kLanes; ++j) {
        const double size = std::fabs(b.re[j]) + std::fabs(b.im[j]);
        within &= size >= 0x1p-400 && size <= 0x1p400;
    }
    return within;
}

// Multiplies the lanes by the factors of one chunk: in plain doubles where the chunk is
// bounded, then again one factor at a time for each lane whose product left the range in
// which the plain one is exact to rounding; renormalizes the products outside
// 2^-400 .. 2^400.
void multiplyChunk(LaneBlock& b, const CComplexArray& roots, int first, int end, bool bounded)
{
    double re[kLanes], im[kLanes];
    std::copy(b.re, b.re + kLanes, re);
    std::copy(b.im, b.im + kLanes, im);
    if (bounded) {
        multiplyPlain(b, roots, first, end);
        if (allWithinRange(b))
            return;
    }
    for (int j = 0; j < kLanes; ++j) {
        const double size = std::fabs(b.re[j]) + std::fabs(b.im[j]);
        if (!bounded || !(size >= 0x1p-900 && size <= 0x1p900)) {
            b.re[j] = re[j];
            b.im[j] = im[j];
            multiplyScaled(b, j, roots, first, end);
        } else if (size > 0x1p400 || size < 0x1p-400) {
            ScaledComplex v{CComplex(b.re[j], b.im[j]), b.exponent[j]};
            v.renormalize(size);
            b.re[j] = v.mantissa.re;
            b.im[j] = v.mantissa.im;
            b.exponent[j] = v.exponent;
        }
    }
}

// The product c * prod (x - roots[i]) at x_k = e^(-2 pi i k / m) for the kLanes points
// from k = first on (those at values' size and beyond are computed and not stored).
void evaluateBlock(int n, CComplex c, const CComplexArray& roots, const std::vector<bool>& bounded, int m,
    int first, std::vector<ScaledComplex>& values)
{
    LaneBlock b;
    for (int j = 0; j < kLanes; ++j) {
        const double angle = -2.0 * M_PI * (first + j) / m;
        b.xr[j] = std::cos(angle);
        b.xi[j] = std::sin(angle);
        ScaledComplex v;
        v.multiply(c.re, c.im);
        b.re[j] = v.mantissa.re;
        b.im[j] = v.mantissa.im;
        b.exponent[j] = v.exponent;
    }
    for (int chunk = 0; chunk * kChunk < n; ++chunk)
        multiplyChunk(b, roots, chunk * kChunk, std::min(n, (chunk + 1) * kChunk), bounded[static_cast<size_t>(chunk)]);
    for (int j = 0; j < kLanes && first + j < static_cast<int>(values.size()); ++j)
        values[static_cast<size_t>(first + j)] = ScaledComplex{CComplex(b.re[j], b.im[j]), b.exponent[j]};
}

// True when c is real and the first n roots are their own conjugates as a multiset (each
// complex root has its exact conjugate among them): then the product's coefficients are
// real and its values at conjugate points conjugate.
bool isRealProduct(int n, CComplex c, const CComplexArray& roots)
{
    if (c.im != 0.0)
        return false;
    std::vector<std::pair<double, double>> given, conjugated;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(roots[i].re) || std::isnan(roots[i].im))
            return false;
        given.emplace_back(roots[i].re, roots[i].im);
        conjugated.emplace_back(roots[i].re, -roots[i].im);
    }
    std::sort(given.begin(), given.end());
    std::sort(conjugated.begin(), conjugated.end());
    return given == conjugated;
}

// The samples of c * prod (x - roots[i]) at the m points x_k = e^(-2 pi i k / m), so that
// they are the DFT of the coefficients. Of a real product only the points up to k = m / 2
// are evaluated, the others being their conjugates. The blocks of points are shared out
// among the processor's cores when the work is large enough to gain from it.
std::vector<ScaledComplex> evaluateOnCircle(int n, CComplex c, const CComplexArray& roots, int m)
{
    const bool real = isRealProduct(n, c, roots);
    std::vector<ScaledComplex> values(static_cast<size_t>(real ? m / 2 + 1 : m));
    const std::vector<bool> bounded = boundedChunks(n, roots);
    const int blocks = (static_cast<int>(values.size()) + kLanes - 1) / kLanes;
    const double work = static_cast<double>(n) * static_cast<double>(values.size());
    const int threads = work < 1e7 ? 1 : static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
    const auto share = [&](int t) {
        for (int block = t; block < blocks; block += threads)
            evaluateBlock(n, c, roots, bounded, m, block * kLanes, values);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(share, t);
    share(0);
    for (std::thread& helper : helpers)
        helper.join();
    for (int k = static_cast<int>(values.size()); k < m; ++k) {
        const ScaledComplex& mirror = values[static_cast<size_t>(m - k)];
        values.push_back(ScaledComplex{CComplex(mirror.mantissa.re, -mirror.mantissa.im), mirror.exponent});
    }
    return values;
}

}  // namespace

void rt2poly(int n, CComplex c, const CComplexArray& roots, CComplexArray& poly)
{
    if (n < 0 || n > roots.GetSize())
        throw std::invalid_argument("rt2poly: root count outside the roots array");
    if (poly.GetSize() < n + 1)
        throw std::invalid_argument("rt2poly: poly needs n + 1 elements");
    const int m = n + 1;
    const std::vector<ScaledComplex> values = evaluateOnCircle(n, c, roots, m);
    int top = INT_MIN;
    for (const ScaledComplex& v : values)
        if (!v.isZero())
            top = std::max(top, v.exponent);
    CComplexArray samples(m);
    for (int k = 0; k < m && top != INT_MIN; ++k) {
        const ScaledComplex& v = values[static_cast<size_t>(k)];
        samples[k] = CComplex(std::ldexp(v.mantissa.re, v.exponent - top),
            std::ldexp(v.mantissa.im, v.exponent - top));
    }
    const CComplexArray coefficients = samples.ifft();
    poly.Fill(0, poly.GetSize(), CComplex());
    for (int k = 0; k < m; ++k)
        poly[k] = CComplex(std::ldexp(coefficients[k].re, top == INT_MIN ? 0 : top),
            std::ldexp(coefficients[k].im, top == INT_MIN ? 0 : top));
}
