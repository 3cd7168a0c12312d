// Speed of the root finder on the polynomials of Kaiser low-pass filters, with the
// accuracy it reaches as counters; the program zsolve as the workbench runs it; and
// MPSolve on the longest polynomial for comparison.
#include "PolynomialKit.h"
#include "RecordFile.h"
#include "RootFinder.h"
#include "RunProgram.h"
#include "TempFolder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zsolve_test;

// Accuracy of roots of c as counters: the largest backward error, the largest distance
// from the unit circle of the roots that lie on it, and their number.
void ReportAccuracy(benchmark::State& state, const CComplexArray& c, const CComplexArray& roots)
{
    int onCircle = 0;
    state.counters["backward_error"] = MaxBackwardError(c, roots);
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
BENCHMARK(BM_Zsolve)->Arg(31)->Arg(255)->Arg(1023)->Arg(4095)->Unit(benchmark::kMillisecond)->UseRealTime();

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

}  // namespace
