// The cost of one pass-band design with everything the views can show of it.
#include "DisplayData.h"
#include "FilterDesign.h"
#include "Resource.h"

#include <benchmark/benchmark.h>

namespace {

// Designs a low pass of length n and computes its response and all five display arrays.
void DesignWithDisplays(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const CPassBandDesign design = DesignPassBand(LowPass, n, 0.25, 0.5, 60.0);
        const CComplexArray response = FrequencyResponse(design.coefficients);
        benchmark::DoNotOptimize(ImpulseDisplay(design.coefficients).data());
        benchmark::DoNotOptimize(AmplitudeDisplay(response, true).data());
        benchmark::DoNotOptimize(PhaseDisplay(response).data());
        benchmark::DoNotOptimize(RealDisplay(response).data());
        benchmark::DoNotOptimize(ImagDisplay(response).data());
    }
}

}  // namespace

BENCHMARK(DesignWithDisplays)->Arg(31)->Arg(1023)->Arg(4096)->Unit(benchmark::kMicrosecond);
