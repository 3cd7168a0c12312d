// The cost of measuring a designed filter against its requirements, as the Filter
// Properties dialog, the status bar's verdict and filter-cli --measure do; and of judging
// one, as each step of the search for the shortest filter does.
#include "FilterDesign.h"
#include "FilterMeasurement.h"

#include <benchmark/benchmark.h>

namespace {

// A band pass of length n and the requirements its design sets: an odd length is
// symmetric; an even one is not, so its group delay is measured too.
struct CBandPass {
    explicit CBandPass(int n)
        : h(DesignPassBand(BandPass, n, 0.1, 0.3, 60.0).coefficients),
          requirements(PassBandRequirements(BandPass, 0.1, 0.3, 60.0, KaiserTransitionWidth(60.0, n), KaiserRipple(60.0)))
    {
    }
    CRealArray h;
    CRequirements requirements;
};

void MeasureDesignedFilter(benchmark::State& state)
{
    const CBandPass filter(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasureFilter(filter.h, filter.requirements).stopLargest);
}

void JudgeDesignedFilter(benchmark::State& state)
{
    const CBandPass filter(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(JudgeFilter(filter.h, filter.requirements).stopLargest);
}

}  // namespace

BENCHMARK(MeasureDesignedFilter)->Arg(31)->Arg(1023)->Arg(4095)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(JudgeDesignedFilter)->Arg(4095)->Unit(benchmark::kMillisecond);
