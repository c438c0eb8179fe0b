#include <benchmark/benchmark.h>

#include <variant>

#include "core/design/evaluation.h"
#include "core/sweep/sweep_pool.h"
#include "core/tolerance/tolerance_analysis.h"
#include "tests/support/reference_design.h"

namespace amp::bench {
namespace {

// A tolerance analysis of the reference design with 1 % resistors, 10 % capacitors and 20 % on
// Avo and fc, with the program's sweep pool: (trials, N). Compare 1000 trials at N = 1000 with
// 1000 x BM_Evaluation/1000.
void BM_ToleranceAnalysis(benchmark::State& state) {
    const int trials = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    const auto design =
        std::get<EvaluationInputs>(ReadEvaluationInputs(test_support::ReferenceTexts(n)));
    const ToleranceSettings settings{
        {0.01, 0.10, 0.20, 0.20}, ToleranceDistribution::Uniform, trials, 12345};
    SweepPool pool;
    for (auto _ : state) {
        const auto outcome = RunToleranceAnalysis(design, settings, &pool);
        if (Failed(outcome)) {
            state.SkipWithError("the analysis gave no results");
            return;
        }
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * trials);
}
BENCHMARK(BM_ToleranceAnalysis)
    ->Args({1000, 1000})
    ->Args({64, 195576})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace amp::bench
