#include "graph/graph_request.h"

#include "core/field_check.h"
#include "core/messages.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

bool IsRangeIndex(int value) {
    return value >= 1 && value <= kRangeCount;
}

// The conversions and the tests that follow the range choice.
Outcome<GraphInputs> ReadGraphInputs(const FieldTexts& texts) {
    const CircuitValues values = ReadCircuitValues(texts);
    if (auto message = CheckOpAmpValues(values)) return Failure{*message};
    const Outcome<int> sampleCount = ReadSampleCount(texts[Field::N]);
    if (const auto* failure = std::get_if<Failure>(&sampleCount)) return *failure;
    return GraphInputs{values, std::get<int>(sampleCount)};
}

}  // namespace

GraphRequest RequestGraph(const FieldTexts& texts, std::optional<int> selectedRange) {
    if (auto message = CheckFields(texts, kGraphCheckOrder))
        return {std::nullopt, Failure{*message}};
    if (!selectedRange || !IsRangeIndex(*selectedRange)) {
        return {std::nullopt, Failure{std::string(message::kNoRangeSelected)}};
    }
    return {selectedRange, ReadGraphInputs(texts)};
}

}  // namespace amp
