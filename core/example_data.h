#pragma once

#include <array>
#include <vector>

#include "core/field.h"

namespace amp {

// "Inserisci dati come esempio": the nine design texts in the order they are written.
std::vector<FieldWrite> ExampleData();

// The range that the example data select ("1Hz - 100 kHz").
inline constexpr int kExampleRangeIndex = 5;

// "Azzera": every box emptied, in the order Text1 ... Text9, Text10 ... Text16, Text17 ... Text21.
std::vector<FieldWrite> ClearAllFields();

}  // namespace amp
