#include "bench/reference_design.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "tests/support/reference_design.h"

namespace amp::bench {

FieldTexts ReferenceDesignTexts(int sampleCount) {
    FieldTexts texts = testing::ReferenceTexts();
    texts[Field::N] = std::to_string(sampleCount);
    return texts;
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
