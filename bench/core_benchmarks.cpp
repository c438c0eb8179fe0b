#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_inputs.h"
#include "core/circuit_values.h"
#include "core/evaluation.h"
#include "tests/support/reference_design.h"

namespace amp::bench {
namespace {

// The frequencies of one evaluation: f, then samples 0 ... n of the six-decade sweep.
std::vector<double> EvaluationFrequencies(int n) {
    std::vector<double> frequencies{kReferenceFrequency};
    for (int i = 0; i <= n; ++i) frequencies.push_back(SweepFrequency(kEvaluationDecades, i, n));
    return frequencies;
}

// The model's own cost of one evaluation: N + 2 transfer functions and nothing else.
void BM_TransferFunctionSweep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CircuitValues v = ReadCircuitValues(test_support::ReferenceTexts(n));
    const std::vector<double> frequencies = EvaluationFrequencies(n);
    for (auto _ : state) {
        for (double f : frequencies) {
            benchmark::DoNotOptimize(TransferFunction(f, v.Avo, v.fc, v.C1, v.C2, v.C3, v.C4, v.C5,
                                                      v.C6, v.R1, v.R2, v.R3, v.R4, v.R5, v.RL,
                                                      v.R));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(frequencies.size()));
}
BENCHMARK(BM_TransferFunctionSweep)->Apply(WithSampleCounts)->Unit(benchmark::kMicrosecond);

// "Calcola Modulo e Fase, fi e fs effettive" from the typed texts to the four captions.
void BM_Evaluation(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const FieldTexts texts = test_support::ReferenceTexts(n);
    if (Failed(EvaluateResponse(texts, "."))) {
        state.SkipWithError("the reference design does not evaluate");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateResponse(texts, "."));
    state.SetItemsProcessed(state.iterations() * (static_cast<int64_t>(n) + 2));
}
BENCHMARK(BM_Evaluation)->Apply(WithSampleCounts)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
