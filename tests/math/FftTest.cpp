#include "CComplexArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <random>
#include <vector>

namespace {

using LongComplex = std::complex<long double>;

CComplexArray randomArray(int n, unsigned seed)
{
    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    CComplexArray a(n);
    for (int i = 0; i < n; ++i)
        a[i] = CComplex(value(engine), value(engine));
    return a;
}

// X[k] = sum over j of x[j] e^(-2 pi i k j / M), by its sum in long double; the
// exponent k j is reduced mod M first so that every twiddle comes from a small angle.
std::vector<LongComplex> dftBySum(const CComplexArray& x)
{
    const int m = x.GetSize();
    const long double pi = 3.14159265358979323846264338327950288L;
    std::vector<LongComplex> twiddle(static_cast<size_t>(m));
    for (int j = 0; j < m; ++j)
        twiddle[static_cast<size_t>(j)] = std::polar(1.0L, -2.0L * pi * j / m);
    std::vector<LongComplex> result(static_cast<size_t>(m));
    for (int k = 0; k < m; ++k)
        for (int j = 0; j < m; ++j) {
            const long long e = static_cast<long long>(k) * j % m;
            result[static_cast<size_t>(k)] += LongComplex(x[j].re, x[j].im) * twiddle[static_cast<size_t>(e)];
        }
    return result;
}

double sumOfModuli(const CComplexArray& x)
{
    double sum = 0.0;
    for (int i = 0; i < x.GetSize(); ++i)
        sum += x[i].abs();
    return sum;
}

class FftLength : public testing::TestWithParam<int> {};

TEST_P(FftLength, MatchesTheDftSumAndInvertsBack)
{
    const int m = GetParam();
    const CComplexArray x = randomArray(m, 1234u + static_cast<unsigned>(m));
    const CComplexArray before = x;
    const CComplexArray spectrum = x.fft();
    ASSERT_EQ(spectrum.GetSize(), m);
    EXPECT_EQ(std::memcmp(before.data(), x.data(), sizeof(CComplex) * static_cast<size_t>(m)), 0)
        << "fft changed its source";

    const std::vector<LongComplex> expected = dftBySum(x);
    const double tolerance = 1e-14 * sumOfModuli(x) + 1e-300;
    for (int k = 0; k < m; ++k) {
        const LongComplex got(spectrum[k].re, spectrum[k].im);
        ASSERT_LE(static_cast<double>(std::abs(got - expected[static_cast<size_t>(k)])), tolerance)
            << "M = " << m << ", k = " << k;
    }

    const CComplexArray back = spectrum.ifft();
    ASSERT_EQ(back.GetSize(), m);
    for (int i = 0; i < m; ++i) {
        EXPECT_NEAR(back[i].re, x[i].re, 1e-14) << "M = " << m << ", i = " << i;
        EXPECT_NEAR(back[i].im, x[i].im, 1e-14) << "M = " << m << ", i = " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, FftLength,
    testing::Values(1, 2, 3, 5, 7, 13, 16, 97, 128, 1000, 1009));

TEST(Fft, EmptyArrayGivesEmptyResults)
{
    const CComplexArray empty(0);
    EXPECT_EQ(empty.fft().GetSize(), 0);
    EXPECT_EQ(empty.ifft().GetSize(), 0);
}

}  // namespace
