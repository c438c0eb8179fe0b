#pragma once

#include <array>
#include <vector>

#include "core/checks/field.h"

namespace amp {

// "Inserisci dati come esempio": the nine design texts in the order they are written.
std::vector<FieldWrite> ExampleData();

// The range that the example data select ("1Hz - 100 kHz").
inline constexpr int kExampleRangeIndex = 5;

// "Azzera": every box emptied, in the order of the fields: the design data, the sized components,
// then Avo, fc, R4, N and f.
std::vector<FieldWrite> ClearAllFields();

}  // namespace amp
