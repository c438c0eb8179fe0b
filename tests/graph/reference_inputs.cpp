#include "reference_inputs.h"

namespace amp::testing {

GraphInputs ReferenceInputs(int n) {
    return {ReadCircuitValues(ReferenceTexts()), n};
}

}  // namespace amp::testing
