#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/checks/outcome.h"
#include "core/tolerance/tolerance_draw.h"

namespace amp {

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

// Reads the fields in the window's order: each tolerance from 0 up to but not including 100 %,
// then a whole number of trials from 1 to 1000000 and a whole seed from 0 to 4294967295. The
// first field that is not such a number gives its message, which states the allowed range.
Outcome<ToleranceSettings> ReadToleranceSettings(const ToleranceTexts& texts);

namespace message {
inline constexpr std::string_view kResistorTolerance =
    "La tolleranza dei resistori deve essere un numero da 0 a meno di 100 (%), scritto con il "
    "punto come separatore decimale!";
inline constexpr std::string_view kCapacitorTolerance =
    "La tolleranza dei condensatori deve essere un numero da 0 a meno di 100 (%), scritto con il "
    "punto come separatore decimale!";
inline constexpr std::string_view kAvoTolerance =
    "La tolleranza di Avo deve essere un numero da 0 a meno di 100 (%), scritto con il punto come "
    "separatore decimale!";
inline constexpr std::string_view kFcTolerance =
    "La tolleranza di fc deve essere un numero da 0 a meno di 100 (%), scritto con il punto come "
    "separatore decimale!";
inline constexpr std::string_view kTrialCount =
    "Il numero di prove deve essere un numero intero da 1 a 1000000!";
inline constexpr std::string_view kSeed = "Il seme deve essere un numero intero da 0 a 4294967295!";
inline constexpr std::string_view kTrialUndefined =
    "In almeno una prova Vo/Vi risulta nullo o indefinito: riduci le tolleranze!";
}  // namespace message

}  // namespace amp
