#include "bench/reference_design.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

namespace amp::bench {

FieldTexts ReferenceDesignTexts(int sampleCount) {
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
    t[Field::N] = std::to_string(sampleCount);
    t[Field::f] = "1000";
    return t;
}

GraphInputs ReferenceGraphInputs(int sampleCount) {
    const GraphRequest request = RequestGraph(ReferenceDesignTexts(sampleCount), kReferenceRange);
    if (const auto* failure = std::get_if<Failure>(&request.inputs)) {
        std::fprintf(stderr, "the reference design is refused: %s\n", failure->message.c_str());
        std::abort();
    }
    return std::get<GraphInputs>(request.inputs);
}

}  // namespace amp::bench
