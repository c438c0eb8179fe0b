#pragma once

#include <vector>

#include "core/checks/field.h"
#include "core/checks/outcome.h"

namespace amp {

// "Dimensiona componenti": from the nine design texts to the eight result texts, in the order
// R1, C1, C2, C3, C4, C5, C6, R4, or the one message to show.
Outcome<std::vector<FieldWrite>> SizeComponents(const FieldTexts& texts);

}  // namespace amp
