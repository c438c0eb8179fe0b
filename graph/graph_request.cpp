#include "graph/graph_request.h"

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/design/design.h"

namespace amp {
namespace {

bool IsRangeIndex(int value) {
    return value >= 1 && value <= kRangeCount;
}

// The conversions and the tests that follow the range choice.
Outcome<GraphInputs> ReadGraphInputs(const FieldTexts& texts) {
    const CircuitValues values = ReadCircuitValues(texts);
    if (auto failure = CheckOpAmpValues(values)) return *failure;
    const Outcome<int> sampleCount = ReadSampleCount(texts[Field::N]);
    if (const Failure* failure = FailureOf(sampleCount)) return *failure;
    return GraphInputs{values, std::get<int>(sampleCount)};
}

}  // namespace

GraphRequest RequestGraph(const FieldTexts& texts, std::optional<int> selectedRange) {
    if (auto failure = CheckFields(texts, kGraphCheckOrder)) return {std::nullopt, *failure};
    if (!selectedRange || !IsRangeIndex(*selectedRange)) {
        return {std::nullopt, Failure{std::string(message::kNoRangeSelected)}};
    }
    return {selectedRange, ReadGraphInputs(texts)};
}

}  // namespace amp
