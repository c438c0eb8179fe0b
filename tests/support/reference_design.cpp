#include "tests/support/reference_design.h"

#include <string>
#include <variant>
#include <vector>

#include "core/design/example_data.h"
#include "core/design/sizing.h"

namespace amp::test_support {

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
    t[Field::f] = "1000";
    return t;
}

FieldTexts ReferenceTexts(int sampleCount) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::N] = std::to_string(sampleCount);
    return texts;
}

GraphInputs ReferenceInputs(int sampleCount) {
    return {ReadCircuitValues(ReferenceTexts()), sampleCount};
}

FieldTexts SizedExampleTexts() {
    FieldTexts texts;
    for (const FieldWrite& write : ExampleData()) texts[write.field] = write.text;
    const Outcome<std::vector<FieldWrite>> sized = SizeComponents(texts);
    for (const FieldWrite& write : std::get<std::vector<FieldWrite>>(sized)) {
        texts[write.field] = write.text;
    }
    texts[Field::Avo] = "200000";
    texts[Field::fc] = "3";
    texts[Field::N] = "1000";
    texts[Field::f] = "5000";
    return texts;
}

}  // namespace amp::test_support
