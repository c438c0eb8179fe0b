#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/checks/outcome.h"
#include "core/tolerance/tolerance_draw.h"

namespace amp {

// Each tolerance is typed in per cent, from 0 up to but not including kTolerancePercentBound.
inline constexpr int kTolerancePercentBound = 100;
inline constexpr int kFewestTrials = 1;
inline constexpr int kMostTrials = 1000000;
inline constexpr std::uint64_t kLargestSeed = 4294967295;

// How a tolerance analysis draws its trials.
struct ToleranceSettings {
    Tolerances tolerances;
    ToleranceDistribution distribution = ToleranceDistribution::Uniform;
    int trials = 0;
    std::uint64_t seed = 0;
};

// The texts of the analysis window's fields: the tolerances in per cent, the trial count and the
// seed, each typed with a point as decimal separator.
struct ToleranceTexts {
    std::string resistors;
    std::string capacitors;
    std::string Avo;
    std::string fc;
    ToleranceDistribution distribution = ToleranceDistribution::Uniform;
    std::string trials;
    std::string seed;
};

// Reads the fields in the window's order: each tolerance within its bounds, then a whole number
// of trials from kFewestTrials to kMostTrials and a whole seed from 0 to kLargestSeed. The first
// field that is not such a number gives its message, which states the allowed range.
Outcome<ToleranceSettings> ReadToleranceSettings(const ToleranceTexts& texts);

// The messages of the fields, each built from the bounds it states. What a tolerance is for:
// "dei resistori", "dei condensatori", "di Avo" or "di fc".
std::string ToleranceRangeMessage(std::string_view tolerated);
std::string TrialCountRangeMessage();
std::string SeedRangeMessage();

namespace message {
inline constexpr std::string_view kTrialUndefined =
    "In almeno una prova Vo/Vi risulta nullo o indefinito: riduci le tolleranze!";
inline constexpr std::string_view kToleranceAnalysisStopped =
    "Analisi delle tolleranze interrotta.";
}  // namespace message

}  // namespace amp
