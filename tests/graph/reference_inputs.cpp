#include "reference_inputs.h"

namespace amp::testing {

FieldTexts ReferenceTexts() {
    FieldTexts t;
    t[Field::R1] = "10";
    t[Field::R2] = "100";
    t[Field::R] = "10";
    t[Field::R3] = "1";
    t[Field::R4] = "100";
    t[Field::R5] = "10";
    t[Field::RL] = "10";
    t[Field::C1] = "1";
    t[Field::C2] = "100";
    t[Field::C3] = "1";
    t[Field::C4] = "100";
    t[Field::C5] = "10";
    t[Field::C6] = "10";
    t[Field::Avo] = "200000";
    t[Field::fc] = "1";
    t[Field::N] = "1000";
    return t;
}

GraphInputs ReferenceInputs(int n) {
    GraphInputs inputs;
    inputs.values = {.R1 = 10000,
                     .R2 = 100000,
                     .R = 10000,
                     .R3 = 1000,
                     .R4 = 100000,
                     .R5 = 10000,
                     .RL = 10000,
                     .C1 = 1E-6,
                     .C2 = 1E-10,
                     .C3 = 1E-6,
                     .C4 = 1E-10,
                     .C5 = 1E-5,
                     .C6 = 1E-5,
                     .Avo = 200000,
                     .fc = 1E6};
    inputs.N = n;
    return inputs;
}

}  // namespace amp::testing
