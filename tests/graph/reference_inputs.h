#pragma once

#include "core/field.h"
#include "graph/graph_request.h"

namespace amp::testing {

// The reference component set as typed into the boxes, with N = 1000.
FieldTexts ReferenceTexts();

// The same set converted, with the given N.
GraphInputs ReferenceInputs(int n);

}  // namespace amp::testing
