#pragma once

#include "graph/graph_request.h"
#include "tests/support/reference_design.h"

namespace amp::testing {

// The reference component set converted, with the given N.
GraphInputs ReferenceInputs(int n);

}  // namespace amp::testing
