#include <benchmark/benchmark.h>

#include "bench/bench_inputs.h"
#include "core/sweep/sweep_pool.h"
#include "graph/plot.h"
#include "tests/support/reference_design.h"

namespace amp::bench {
namespace {

// The plot generator from converted values to the captions and every curve point the painter
// asks for: N + 2 points of each curve; with the program's sweep pool.
void BM_PlotResponse(benchmark::State& state) {
    const GraphInputs inputs = test_support::ReferenceInputs(static_cast<int>(state.range(0)));
    SweepPool pool;
    for (auto _ : state) {
        Outcome<Plot> outcome = PlotResponse(inputs, kReferenceRange, ".", &pool);
        if (Failed(outcome)) {
            state.SkipWithError("the reference design does not plot");
            return;
        }
        const Plot& plot = std::get<Plot>(outcome);
        for (int i = 0; i < CurvePointCount(plot); ++i) {
            benchmark::DoNotOptimize(ModulusPoint(plot, i));
            benchmark::DoNotOptimize(PhasePoint(plot, i));
        }
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * (static_cast<int64_t>(inputs.N) + 2));
}
BENCHMARK(BM_PlotResponse)->Apply(WithSampleCounts)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
