#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_inputs.h"
#include "core/design/evaluation.h"
#include "core/model/circuit_values.h"
#include "core/model/transfer_function.h"
#include "core/parts/standard_values_report.h"
#include "core/sweep/response_sweep.h"
#include "core/sweep/sweep_pool.h"
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
BENCHMARK(BM_TransferFunctionSweep)
    ->Apply(WithSampleCounts)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// The fast path beside the floor: modulus and phase at samples 0 ... N + 1 of the six-decade
// sweep, powers of ten included, in vector registers, on the calling thread alone (0) or shared
// with the pool of the program (1).
void BM_ResponseSweep(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CircuitValues values = ReadCircuitValues(test_support::ReferenceTexts(n));
    SweepPool pool;
    SweepPool* shared = state.range(1) == 1 ? &pool : nullptr;
    std::vector<double> moduli(static_cast<std::size_t>(n) + 2);
    std::vector<double> phases(moduli.size());
    for (auto _ : state) {
        SweepResponse(values, kEvaluationDecades, n, moduli, phases, shared);
        benchmark::DoNotOptimize(moduli.data());
        benchmark::DoNotOptimize(phases.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(moduli.size()));
}
BENCHMARK(BM_ResponseSweep)
    ->ArgsProduct({{kSampleCounts.begin(), kSampleCounts.end()}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// "Calcola Modulo e Fase, fi e fs effettive" from the typed texts to the four captions, with the
// program's sweep pool.
void BM_Evaluation(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const FieldTexts texts = test_support::ReferenceTexts(n);
    SweepPool pool;
    if (Failed(EvaluateResponse(texts, ".", &pool))) {
        state.SkipWithError("the reference design does not evaluate");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(EvaluateResponse(texts, ".", &pool));
    state.SetItemsProcessed(state.iterations() * (static_cast<int64_t>(n) + 2));
}
BENCHMARK(BM_Evaluation)->Apply(WithSampleCounts)->UseRealTime()->Unit(benchmark::kMicrosecond);

// "Valori commerciali" from the texts to what it shows: the standard values of the sized example
// data, the targets and the band swept with the boxes' values and with the standard values.
void BM_StandardValuesReport(benchmark::State& state) {
    const FieldTexts texts = SizedExampleTexts(static_cast<int>(state.range(0)));
    SweepPool pool;
    for (auto _ : state) benchmark::DoNotOptimize(ReportStandardValues(texts, {}, ".", &pool));
}
BENCHMARK(BM_StandardValuesReport)
    ->Apply(WithSampleCounts)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
