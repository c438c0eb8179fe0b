#pragma once

#include <optional>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/model/circuit_values.h"

namespace amp {

// What a plot needs: the converted component and op-amp values and the sample count.
struct GraphInputs {
    CircuitValues values;
    int N = 0;
};

// The outcome of "Grafico di Vo/Vi". RangeIndex is known as soon as the range was read, also
// when a later zero test or the N bound refuses the request.
struct GraphRequest {
    std::optional<int> RangeIndex;
    Outcome<GraphInputs> inputs;
};

// Checks the 16 fields in their order, then the range choice (a RangeIndex 1 ... 6, nothing
// when no range option is selected), then converts the values, tests Avo and fc against zero
// and rounds and bounds N.
GraphRequest RequestGraph(const FieldTexts& texts, std::optional<int> selectedRange);

}  // namespace amp
