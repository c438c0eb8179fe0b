#pragma once

#include <array>

#include "core/field.h"

namespace amp::bench {

// The sample counts every N-dependent benchmark runs at: the default, a fine sweep, the maximum.
inline constexpr std::array<int, 3> kSampleCounts{1000, 20000, 195576};

// The evaluation frequency typed in the reference design, in Hz.
inline constexpr double kReferenceFrequency = 1000.0;

// The reference component set as the user types it, with the given N and f = 1000.
FieldTexts ReferenceDesignTexts(int sampleCount);

}  // namespace amp::bench
