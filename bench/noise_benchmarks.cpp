#include <benchmark/benchmark.h>

#include "bench/bench_inputs.h"
#include "core/noise/noise_analysis.h"
#include "core/noise/noise_settings.h"

namespace amp::bench {
namespace {

// "Calcola" of the noise window at its defaults on the sized example data: Form1's 17 checks,
// the window's, the band's rms flat and A-weighted for each source, the figures and the curves.
// N does not enter: the analysis has its own grids.
void BM_NoiseAnalysis(benchmark::State& state) {
    const FieldTexts design = SizedExampleTexts(kSampleCounts.front());
    const NoiseTexts noise = DefaultNoiseTexts();
    if (Failed(AnalyseNoise(design, noise))) {
        state.SkipWithError("the sized example data give no noise analysis");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(AnalyseNoise(design, noise));
}
BENCHMARK(BM_NoiseAnalysis)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace amp::bench
