#include "graph/graph_request.h"

#include "core/field_check.h"
#include "core/messages.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

bool IsRangeIndex(int value) {
    return value >= 1 && value <= kRangeCount;
}

}  // namespace

GraphRequest RequestGraph(const FieldTexts& texts, std::optional<int> selectedRange) {
    if (auto message = CheckFields(texts, kGraphCheckOrder))
        return {std::nullopt, Failure{*message}};
    if (!selectedRange || !IsRangeIndex(*selectedRange)) {
        return {std::nullopt, Failure{std::string(message::kNoRangeSelected)}};
    }
    GraphRequest request{selectedRange, Failure{}};
    const CircuitValues values = ReadCircuitValues(texts);
    if (auto message = CheckOpAmpValues(values)) {
        request.inputs = Failure{*message};
        return request;
    }
    const Outcome<int> sampleCount = ReadSampleCount(texts[Field::N]);
    if (const auto* failure = std::get_if<Failure>(&sampleCount)) {
        request.inputs = *failure;
        return request;
    }
    request.inputs = GraphInputs{values, std::get<int>(sampleCount)};
    return request;
}

}  // namespace amp
