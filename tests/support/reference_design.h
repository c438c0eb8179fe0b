#pragma once

#include "core/checks/field.h"
#include "graph/graph_request.h"

namespace amp::test_support {

// The reference component set as typed into the boxes (R1 10, R2 100, R 10, R3 1, R4 100, R5 10,
// RL 10 kohm; C1 1, C3 1, C5 10, C6 10 uF; C2 100, C4 100 pF; Avo 200000, fc 1 MHz), with
// N = 1000 and f = 1000 Hz. Its response at 1 kHz is 0.91, -2.28 degrees; its effective cut-offs
// are 24.3 Hz and 13428 Hz.
FieldTexts ReferenceTexts();

// The same with another N.
FieldTexts ReferenceTexts(int sampleCount);

// The reference component set converted, as a plot receives it, with the given N.
GraphInputs ReferenceInputs(int sampleCount);

// The example design data sized by "Dimensiona componenti", with the boxes' opening texts for
// Avo (200000), fc (3 MHz), N (1000) and f (5000 Hz).
FieldTexts SizedExampleTexts();

}  // namespace amp::test_support
