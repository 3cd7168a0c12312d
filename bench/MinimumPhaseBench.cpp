// The minimum-phase conversion of Kaiser low passes: the time to rebuild the coefficients
// from the mirrored zeros, and how well the result keeps the amplitude response and puts
// every zero on or inside the unit circle.
#include "DisplayData.h"
#include "FilterDesign.h"
#include "MinimumPhase.h"
#include "Resource.h"
#include "RootFinder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

// The zeros of the filter h: the roots of h[N-1] + h[N-2] z + ... + h[0] z^(N-1).
CComplexArray ZerosOf(const CRealArray& h)
{
    const int n = h.GetSize();
    CComplexArray polynomial(n);
    for (int j = 0; j < n; ++j)
        polynomial[j] = h[n - 1 - j];
    return zsolve::FindRoots(polynomial);
}

// The largest relative change of |H| where |H| is above 1e-3 of its maximum.
double AmplitudeChange(const CRealArray& before, const CRealArray& after)
{
    const CRealArray a = FrequencyResponse(before).abs(), b = FrequencyResponse(after).abs();
    double worst = 0.0;
    for (int k = 0; k < a.GetSize(); ++k)
        if (a[k] > 1e-3 * a.GetMax())
            worst = std::max(worst, std::abs(b[k] / a[k] - 1.0));
    return worst;
}

// How far the farthest zero lies outside the unit circle (0 when none does).
double OutsideDistance(const CComplexArray& zeros)
{
    double worst = 0.0;
    for (int i = 0; i < zeros.GetSize(); ++i)
        worst = std::max(worst, zeros[i].abs() - 1.0);
    return worst;
}

void MinimumPhase(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const CRealArray h = DesignPassBand(LowPass, n, 0.25, 0.5, 60.0).coefficients;
    CComplexArray zeros = ZerosOf(h);
    MirrorOutsideZeros(zeros);
    for (auto _ : state)
        benchmark::DoNotOptimize(CoefficientsFromZeros(zeros, h.rms()).data());
    const CRealArray result = CoefficientsFromZeros(zeros, h.rms());
    state.counters["amplitude_change"] = AmplitudeChange(h, result);
    state.counters["zero_outside"] = OutsideDistance(ZerosOf(result));
}

}  // namespace

BENCHMARK(MinimumPhase)->Arg(255)->Arg(1023)->Arg(4095)->Unit(benchmark::kMillisecond)->Iterations(3);

// Rebuilding the coefficients of the longest filter from its zeros: n - 1 zeros in
// conjugate pairs, half on the unit circle and half just inside it, as a low pass has them.
void CoefficientsFromLongZeros(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    CComplexArray zeros(n - 1);
    for (int i = 0; i + 1 < n - 1; i += 2) {
        const double angle = M_PI * (i + 1) / n, radius = i % 4 == 0 ? 1.0 : 0.97;
        zeros[i] = CComplex(radius * std::cos(angle), radius * std::sin(angle));
        zeros[i + 1] = CComplex(zeros[i].re, -zeros[i].im);
    }
    if ((n - 1) % 2 == 1)
        zeros[n - 2] = CComplex(-1.0, 0.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(CoefficientsFromZeros(zeros, 1.0).data());
}
BENCHMARK(CoefficientsFromLongZeros)->Arg(4095)->Arg(65535)->Unit(benchmark::kMillisecond)->UseRealTime();
