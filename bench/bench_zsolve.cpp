// Speed of the root finder on the polynomials of Kaiser low-pass filters up to the longest
// the workbench holds, with the accuracy it reaches as counters (the backward errors
// measured in long double by the test kit); the program zsolve as the workbench runs it;
// and MPSolve on 4095 taps for comparison, also timed against zsolve in one benchmark.
#include "PolynomialKit.h"
#include "RecordFile.h"
#include "RootFinder.h"
#include "RunProgram.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace {

using namespace zsolve_test;

// Accuracy of roots of c as counters: the largest backward errors, normwise and
// componentwise, the largest distance from the unit circle of the roots that lie on it,
// and their number.
void ReportAccuracy(benchmark::State& state, const CComplexArray& c, const CComplexArray& roots)
{
    int onCircle = 0;
    const BackwardErrors errors = MaxBackwardErrors(c, roots);
    state.counters["normwise_error"] = errors.normwise;
    state.counters["backward_error"] = errors.componentwise;
    state.counters["circle_distance"] = UnitCircleDistance(roots, onCircle);
    state.counters["on_circle"] = onCircle;
}

void BM_Zsolve(benchmark::State& state)
{
    const CComplexArray c = KaiserLowPassPolynomial(static_cast<int>(state.range(0)));
    CComplexArray roots(0);
    for (auto _ : state) {
        roots = zsolve::FindRoots(c);
        benchmark::DoNotOptimize(roots.data());
    }
    ReportAccuracy(state, c, roots);
}
BENCHMARK(BM_Zsolve)->Arg(31)->Arg(255)->Arg(1023)->Arg(4095)->Arg(16383)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Zsolve)->Arg(65535)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The program from start to end: reading "beta.bin", solving, writing "root.bin".
void BM_ZsolveProgram(benchmark::State& state)
{
    const CComplexArray c = KaiserLowPassPolynomial(static_cast<int>(state.range(0)));
    const TempFolder folder;
    exchange::WriteRecordFile(folder / "beta.bin", c);
    for (auto _ : state) {
        if (RunProgram(ProgramBesideTest("zsolve"), {"beta.bin"}, folder.path().string()).status != 0)
            state.SkipWithError("zsolve failed");
    }
    ReportAccuracy(state, c, exchange::ReadRecordFile(folder / "root.bin").records);
}
BENCHMARK(BM_ZsolveProgram)->Arg(4095)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Mpsolve(benchmark::State& state)
{
    const CComplexArray c = KaiserLowPassPolynomial(static_cast<int>(state.range(0)));
    CComplexArray roots(0);
    for (auto _ : state)
        roots = MpsolveRoots(c);
    ReportAccuracy(state, c, roots);
}
BENCHMARK(BM_Mpsolve)->Arg(4095)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// zsolve and MPSolve on the same polynomial, alternately in each iteration so that both
// see the same load: the time is zsolve's; the counter mpsolve_ratio is MPSolve's total
// time over zsolve's.
void BM_ZsolveAgainstMpsolve(benchmark::State& state)
{
    const CComplexArray c = KaiserLowPassPolynomial(static_cast<int>(state.range(0)));
    double zsolveSeconds = 0.0, mpsolveSeconds = 0.0;
    for (auto _ : state) {
        const double seconds = Seconds([&c] { benchmark::DoNotOptimize(zsolve::FindRoots(c).data()); });
        mpsolveSeconds += Seconds([&c] { benchmark::DoNotOptimize(MpsolveRoots(c).data()); });
        zsolveSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["mpsolve_ratio"] = mpsolveSeconds / zsolveSeconds;
    state.counters["mpsolve_ms"] = 1e3 * mpsolveSeconds / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ZsolveAgainstMpsolve)->Arg(4095)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
