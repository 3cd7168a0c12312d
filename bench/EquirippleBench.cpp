// The cost of equiripple designs: low passes of 101, 255, 1023 and 4095 taps, and one
// design of each type beyond the four. bench/equiripple_vs_scipy.py times
// scipy.signal.remez on the same requests (the names below) and prints the ratios.
#include "EquirippleDesign.h"
#include "FilterTypes.h"

#include <benchmark/benchmark.h>

namespace {

CEquirippleRequest lowPass(int n, double stopEdge, double attenuation)
{
    CEquirippleRequest r;
    r.nType = LowPass;
    r.nLength = n;
    r.edges = {0.2, stopEdge};
    r.dRipple = 0.1;
    r.dAttenuation = attenuation;
    return r;
}

CEquirippleRequest withBands(int type, int n, std::vector<CEquirippleBand> bands)
{
    CEquirippleRequest r;
    r.nType = type;
    r.nLength = n;
    r.bands = std::move(bands);
    return r;
}

CEquirippleRequest withEdges(int type, int n, std::vector<double> edges)
{
    CEquirippleRequest r;
    r.nType = type;
    r.nLength = n;
    r.edges = std::move(edges);
    return r;
}

void Design(benchmark::State& state, const CEquirippleRequest& request)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DesignEquiripple(request).coefficients.data());
}

}  // namespace

BENCHMARK_CAPTURE(Design, lowpass_101, lowPass(101, 0.225, 60))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, lowpass_255, lowPass(255, 0.22, 60))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, lowpass_1023, lowPass(1023, 0.205, 60))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, lowpass_4095, lowPass(4095, 0.202, 120))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, multiband_201, withBands(Multiband, 201, {{0.0, 0.1, 1.0, 1.0}, {0.12, 0.2, 0.0, 10.0},
    {0.22, 0.3, 0.5, 1.0}, {0.32, 0.5, 0.0, 10.0}}))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, differentiator_64, withBands(Differentiator, 64, {{0.0, 0.45, 1.0, 1.0}}))
    ->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, hilbert_255, withEdges(Hilbert, 255, {0.02, 0.48}))->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Design, halfband_255, withEdges(HalfBand, 255, {0.24}))->Unit(benchmark::kMillisecond)->UseRealTime();
