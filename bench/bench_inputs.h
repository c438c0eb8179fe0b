#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/checks/field.h"
#include "core/model/circuit_values.h"
#include "tests/support/reference_design.h"

namespace amp::bench {

// The sample counts every N-dependent benchmark runs at: the default, a fine sweep, the maximum.
inline constexpr std::array<int, 3> kSampleCounts{1000, 20000, kMaxSampleCount};

inline void WithSampleCounts(benchmark::internal::Benchmark* b) {
    for (int n : kSampleCounts) b->Arg(n);
}

// The evaluation frequency typed in the reference design, in Hz.
inline constexpr double kReferenceFrequency = 1000.0;

// The range the plot benchmarks draw: the widest, six decades, as many samples as any other.
inline constexpr int kReferenceRange = 6;

// The example data as sized, swept with the given N.
inline FieldTexts SizedExampleTexts(int sampleCount) {
    FieldTexts texts = test_support::SizedExampleTexts();
    texts[Field::N] = std::to_string(sampleCount);
    return texts;
}

}  // namespace amp::bench
