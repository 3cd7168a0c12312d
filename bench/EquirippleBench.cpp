// The cost of an equiripple design: a 255-tap low pass and the 4095-tap low pass with a
// transition band of 0.004 that common implementations refuse.
#include "EquirippleDesign.h"
#include "Resource.h"

#include <benchmark/benchmark.h>

namespace {

// Low pass of state.range(0) taps, pass edge 0.2, stop edge 0.2 + range(1) / 1000,
// 0.1 dB ripple and range(2) dB attenuation.
void DesignLowPass(benchmark::State& state)
{
    CEquirippleRequest request;
    request.nType = LowPass;
    request.nLength = static_cast<int>(state.range(0));
    request.edges = {0.2, 0.2 + static_cast<double>(state.range(1)) / 1000.0};
    request.dRipple = 0.1;
    request.dAttenuation = static_cast<double>(state.range(2));
    for (auto _ : state)
        benchmark::DoNotOptimize(DesignEquiripple(request).coefficients.data());
}

}  // namespace

BENCHMARK(DesignLowPass)->Args({255, 20, 60})->Args({4095, 4, 200})->Args({4095, 4, 60})->Unit(benchmark::kMillisecond);
