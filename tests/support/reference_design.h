#pragma once

#include "core/field.h"

namespace amp::testing {

// The reference component set as typed into the boxes (R1 10, R2 100, R 10, R3 1, R4 100, R5 10,
// RL 10 kohm; C1 1, C3 1, C5 10, C6 10 uF; C2 100, C4 100 pF; Avo 200000, fc 1 MHz), with
// N = 1000 and f = 1000 Hz.
FieldTexts ReferenceTexts();

}  // namespace amp::testing
