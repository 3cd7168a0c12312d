// The zeros of the longest filters the workbench makes: the root finder finds and certifies
// all of them, and an independent check in long double finds each one a root of a
// polynomial within a normwise relative distance of 1e-14. Each case takes tens of seconds;
// these tests carry the ctest label "long" and are left out of the sanitizer build.
#include "EquirippleDesign.h"
#include "FilterDesign.h"
#include "FilterTypes.h"
#include "MinimumPhase.h"
#include "PolynomialKit.h"
#include "RootFinder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace zsolve_test;

constexpr int kLongest = 65535;

// The polynomial of a filter as the workbench writes it: record j holds h[n-1-j].
CComplexArray PolynomialOf(const CRealArray& h)
{
    const int n = h.GetSize();
    CComplexArray c(n);
    for (int j = 0; j < n; ++j)
        c[j] = h[n - 1 - j];
    return c;
}

CRealArray Kaiser(int type, int length, double low, double high)
{
    return DesignPassBand(type, length, low, high, 60.0).coefficients;
}

// The minimum-phase filter the workbench makes of a filter: the zeros outside the unit
// circle mirrored into it, the coefficients rebuilt at the same root-mean-square value.
CRealArray MinimumPhaseOf(const CRealArray& h)
{
    CComplexArray zeros = zsolve::FindRoots(PolynomialOf(h));
    MirrorOutsideZeros(zeros);
    return CoefficientsFromZeros(zeros, h.rms());
}

// A filter convolved with itself: every zero of the filter twice, those of its stop band
// in pairs on the unit circle.
CRealArray Squared(const CRealArray& h)
{
    const int n = h.GetSize();
    CRealArray square(2 * n - 1);
    for (int i = 0; i < square.GetSize(); ++i)
        square[i] = 0.0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            square[i + j] += h[i] * h[j];
    return square;
}

CRealArray Equiripple(int type, int length, std::vector<double> edges)
{
    CEquirippleRequest request;
    request.nType = type;
    request.nLength = length;
    request.edges = std::move(edges);
    request.dAttenuation = 80.0;  // with transitions of 0.0008, the length the design needs
    return DesignEquiripple(request).coefficients;
}

struct LongCase {
    const char* name;
    std::function<CRealArray()> filter;
};

// The designs at the longest lengths the program makes them: 65535 and 65534 taps for
// Kaiser designs, 4095 (the longest odd length) for equiripple designs.
const LongCase kCases[] = {
    {"KaiserLowPass", [] { return Kaiser(LowPass, kLongest, 0.25, 0.0); }},
    {"KaiserHighPass", [] { return Kaiser(HighPass, kLongest, 0.3, 0.0); }},
    {"KaiserBandPass", [] { return Kaiser(BandPass, kLongest, 0.1, 0.3); }},
    {"KaiserBandStop", [] { return Kaiser(BandElimination, kLongest, 0.15, 0.35); }},
    {"KaiserEvenLowPass", [] { return Kaiser(LowPass, kLongest - 1, 0.2, 0.0); }},
    {"EquirippleLowPass", [] { return Equiripple(LowPass, 4095, {0.2, 0.2008}); }},
    {"EquirippleBandStop", [] { return Equiripple(BandElimination, 4095, {0.1, 0.1008, 0.3, 0.3008}); }},
    {"MinimumPhaseKaiserLowPass", [] { return MinimumPhaseOf(Kaiser(LowPass, kLongest, 0.25, 0.0)); }},
    {"MinimumPhaseEquiripple", [] { return MinimumPhaseOf(Equiripple(BandPass, 4095, {0.1, 0.1008, 0.2, 0.2008})); }},
    {"DoubleZerosOnTheCircle", [] { return Squared(Kaiser(LowPass, (kLongest + 1) / 2, 0.25, 0.0)); }},
};

class LongFilter : public testing::TestWithParam<LongCase> {};

TEST_P(LongFilter, AllZerosCertifiedWithinTheBackwardError)
{
    const CComplexArray c = PolynomialOf(GetParam().filter());
    const auto start = std::chrono::steady_clock::now();
    const CComplexArray roots = zsolve::FindRoots(c);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(roots.GetSize(), c.GetSize() - 1);
    std::printf("%s: %d taps, zeros in %.2f s\n", GetParam().name, c.GetSize(), seconds.count());
    std::fflush(stdout);
    const BackwardErrors errors = MaxBackwardErrors(c, roots);
    EXPECT_LE(errors.normwise, 1e-14);
    int onCircle = 0;
    UnitCircleDistance(roots, onCircle);
    std::printf("%s: normwise backward error %.2g, componentwise %.2g, %d zeros on the circle\n", GetParam().name,
                errors.normwise, errors.componentwise, onCircle);
}

INSTANTIATE_TEST_SUITE_P(Longest, LongFilter, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LongCase>& info) { return std::string(info.param.name); });

}  // namespace
