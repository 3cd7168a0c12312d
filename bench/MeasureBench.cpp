// The cost of measuring a designed filter, as the Filter Properties dialog and
// filter-cli --measure do.
#include "FilterDesign.h"
#include "FilterMeasurement.h"

#include <benchmark/benchmark.h>

namespace {

// Measures a band pass of length n: an even length is not symmetric, so the group delay
// is computed too.
void MeasureDesignedFilter(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const CRealArray h = DesignPassBand(BandPass, n, 0.1, 0.3, 60.0).coefficients;
    const CDesignRecord design{DesignKaiser, BandPass, 0.1, 0.3, 60.0};
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureFilter(h, design).stopAttenuation);
}

}  // namespace

BENCHMARK(MeasureDesignedFilter)->Arg(31)->Arg(1023)->Arg(4095)->Arg(4096)->Unit(benchmark::kMillisecond);
