#include <gtest/gtest.h>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/design/design.h"
#include "graph/graph_request.h"
#include "graph/plot.h"
#include "tests/robustness/defect_tally.h"
#include "tests/robustness/field_text_generator.h"
#include "tests/robustness/graph_outcome_rules.h"
#include "tests/robustness/known_messages.h"

namespace amp::robustness {
namespace {

constexpr int kGeneratedCases = 20000;

// Mostly one of the six ranges, now and then none, as when no option button is selected.
std::optional<int> SelectedRange(PortableRandom& random) {
    if (random.OneIn(8)) return std::nullopt;
    return random.Between(1, kRangeCount);
}

std::string WithComma(std::string text) {
    const auto point = text.find('.');
    if (point != std::string::npos) text[point] = ',';
    return text;
}

// The separator may change the two level captions and nothing else.
std::optional<std::string> SeparatorDefect(const Outcome<Plot>& withPoint,
                                           const Outcome<Plot>& withComma) {
    const Failure* pointFailure = FailureOf(withPoint);
    const Failure* commaFailure = FailureOf(withComma);
    if (pointFailure || commaFailure) {
        if (pointFailure && commaFailure && *pointFailure == *commaFailure) return std::nullopt;
        return "the decimal separator changed the outcome";
    }
    const Plot& p = std::get<Plot>(withPoint);
    const Plot& c = std::get<Plot>(withComma);
    const bool sameCurves = p.ModulusSweep == c.ModulusSweep && p.PhaseSweep == c.PhaseSweep &&
                            p.ModulusScale == c.ModulusScale && p.PhaseScale == c.PhaseScale;
    const bool sameCaptions = c.gmaxCaption == WithComma(p.gmaxCaption) &&
                              c.halfPowerLevelCaption == WithComma(p.halfPowerLevelCaption) &&
                              c.decadeCaptions == p.decadeCaptions;
    if (sameCurves && sameCaptions) return std::nullopt;
    return "the comma plot differs from the point plot beyond the separator";
}

TEST(GraphProperty, EveryRequestGivesOneKnownMessageOrASoundPlot) {
    FieldTextGenerator generator(0x5EED0005);
    DefectTally tally;
    for (int i = 0; i < kGeneratedCases; ++i) {
        const FieldTexts texts = generator.ActionTexts(kGraphCheckOrder);
        const std::optional<int> range = SelectedRange(generator.Random());
        const std::string where = "case " + std::to_string(i) + ", N " + texts[Field::N] +
                                  ", range " + std::to_string(range.value_or(0));
        const GraphRequest request = RequestGraph(texts, range);
        tally.Record(GraphRequestDefect(texts, range, request), where);
        if (const Failure* failure = FailureOf(request.inputs)) {
            tally.Count(MessageKind(failure->message));
            continue;
        }

        const auto& inputs = std::get<GraphInputs>(request.inputs);
        const auto withPoint = PlotResponse(inputs, *request.RangeIndex, ".");
        const auto withComma = PlotResponse(inputs, *request.RangeIndex, ",");
        tally.Record(PlotDefect(inputs, *request.RangeIndex, withPoint, "."), where);
        tally.Record(PlotDefect(inputs, *request.RangeIndex, withComma, ","), where);
        tally.Record(SeparatorDefect(withPoint, withComma), where);
        const Failure* failure = FailureOf(withPoint);
        tally.Count(failure ? MessageKind(failure->message) : "plot");
    }
    EXPECT_EQ(tally.Defects(), 0) << tally.Report();
    EXPECT_GT(tally.Occurrences("plot"), kGeneratedCases / 10) << tally.Report();
    for (const std::string& message :
         {std::string(message::kNoRangeSelected), std::string(message::kAvoZero),
          std::string(message::kFcZero), SampleCountRangeMessage(),
          std::string(message::kResponseUndefined)}) {
        EXPECT_GT(tally.Occurrences(message), 0) << message << "\n" << tally.Report();
    }
}

}  // namespace
}  // namespace amp::robustness
