#include <gtest/gtest.h>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/design/evaluation.h"
#include "tests/robustness/defect_tally.h"
#include "tests/robustness/field_text_generator.h"
#include "tests/robustness/known_messages.h"
#include "tests/robustness/outcome_rules.h"

namespace amp::robustness {
namespace {

constexpr int kGeneratedCases = 10000;

std::string WithComma(std::string text) {
    const auto point = text.find('.');
    if (point != std::string::npos) text[point] = ',';
    return text;
}

std::optional<std::string> SeparatorDefect(const Outcome<EvaluationCaptions>& withPoint,
                                           const Outcome<EvaluationCaptions>& withComma) {
    if (Failed(withPoint) || Failed(withComma)) {
        if (withPoint == withComma) return std::nullopt;
        return "the decimal separator changed the outcome";
    }
    const auto& p = std::get<EvaluationCaptions>(withPoint);
    const EvaluationCaptions expected{WithComma(p.modulus), WithComma(p.phase),
                                      WithComma(p.lowerCutoff), WithComma(p.upperCutoff)};
    if (std::get<EvaluationCaptions>(withComma) == expected) return std::nullopt;
    return "the comma captions differ from the point captions beyond the separator";
}

TEST(EvaluationProperty, EveryDesignGivesOneKnownMessageOrFourSoundCaptions) {
    FieldTextGenerator generator(0x5EED0004);
    DefectTally tally;
    for (int i = 0; i < kGeneratedCases; ++i) {
        const FieldTexts texts = generator.ActionTexts(kEvaluationCheckOrder);
        const auto withPoint = EvaluateResponse(texts, ".");
        const auto withComma = EvaluateResponse(texts, ",");
        const std::string where = "case " + std::to_string(i) + ", N " + texts[Field::N];
        tally.Record(EvaluationDefect(texts, withPoint, "."), where);
        tally.Record(EvaluationDefect(texts, withComma, ","), where);
        tally.Record(SeparatorDefect(withPoint, withComma), where);
        const Failure* failure = FailureOf(withPoint);
        tally.Count(failure ? MessageKind(failure->message) : "captions");
    }
    EXPECT_EQ(tally.Defects(), 0) << tally.Report();
    EXPECT_GT(tally.Occurrences("captions"), kGeneratedCases / 10) << tally.Report();
    for (const std::string& message :
         {std::string(message::kAvoZero), std::string(message::kFcZero),
          std::string(message::kFZero), SampleCountRangeMessage(),
          std::string(message::kResponseUndefined)}) {
        EXPECT_GT(tally.Occurrences(message), 0) << message << "\n" << tally.Report();
    }
}

}  // namespace
}  // namespace amp::robustness
