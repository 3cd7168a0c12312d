// The cost of finding the shortest filter that meets a request: each length tried is
// designed and judged.
#include "ShortestFilter.h"

#include <benchmark/benchmark.h>

namespace {

// The shortest equiripple low pass for a pass band to 20 kHz and a stop band from 22 kHz
// at 48 kHz, 0.1 dB ripple, 80 dB attenuation.
void ShortestEquirippleLowPass(benchmark::State& state)
{
    const CEquirippleRequest request{LowPass, 0, {20000.0 / 48000.0, 22000.0 / 48000.0}, 0.1, 80.0, {}, {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(ShortestEquiripple(request, nullptr).nLength);
}

// The shortest window design of the same request, the cut-off in the middle of the
// transition.
void ShortestPassBandLowPass(benchmark::State& state)
{
    const CRequirements requirements{LowPass, {20000.0 / 48000.0, 22000.0 / 48000.0}, 0.1, 80.0};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ShortestPassBand(LowPass, 21000.0 / 48000.0, 0.5, 80.0, 4096, requirements, nullptr).nLength);
}

}  // namespace

BENCHMARK(ShortestEquirippleLowPass)->Unit(benchmark::kMillisecond);
BENCHMARK(ShortestPassBandLowPass)->Unit(benchmark::kMillisecond);
