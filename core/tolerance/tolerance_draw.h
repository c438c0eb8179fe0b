#pragma once

#include <cstdint>

#include "core/model/circuit_values.h"

namespace amp {

// How a part's value spreads within its tolerance.
enum class ToleranceDistribution {
    Uniform,  // evenly within +-tolerance
    Normal,   // normal with the tolerance as 3 sigma, cut at +-tolerance
};

// Relative tolerances, as fractions of the nominal value (0.01 for 1 %).
struct Tolerances {
    double resistors = 0.0;
    double capacitors = 0.0;
    double Avo = 0.0;
    double fc = 0.0;
};

// The deviation of one part in one trial, in units of its tolerance, within -1 ... 1. It depends
// only on the seed, the trial and the part, so any thread may draw any trial and get the same.
double ToleranceDeviation(ToleranceDistribution distribution, std::uint64_t seed,
                          std::uint64_t trial, unsigned part);

// The values of one trial: R1, R2, R, R3, R4, R5, C1 ... C6, Avo and fc each drawn on its own as
// nominal x (1 + tolerance x deviation); the load RL stays nominal. A tolerance of 0 leaves its
// values exactly nominal.
CircuitValues DrawTrialValues(const CircuitValues& nominal, const Tolerances& tolerances,
                              ToleranceDistribution distribution, std::uint64_t seed,
                              std::uint64_t trial);

}  // namespace amp
