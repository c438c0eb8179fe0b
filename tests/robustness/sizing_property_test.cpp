#include <gtest/gtest.h>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/design/sizing.h"
#include "tests/robustness/defect_tally.h"
#include "tests/robustness/field_text_generator.h"
#include "tests/robustness/known_messages.h"
#include "tests/robustness/outcome_rules.h"

namespace amp::robustness {
namespace {

constexpr int kGeneratedCases = 20000;

TEST(SizingProperty, EveryDesignGivesOneKnownMessageOrEightReadableResults) {
    FieldTextGenerator generator(0x5EED0003);
    DefectTally tally;
    for (int i = 0; i < kGeneratedCases; ++i) {
        const FieldTexts texts = generator.ActionTexts(kSizingCheckOrder);
        const auto outcome = SizeComponents(texts);
        tally.Record(SizingDefect(texts, outcome), "case " + std::to_string(i));
        const Failure* failure = FailureOf(outcome);
        tally.Count(failure ? MessageKind(failure->message) : "results");
    }
    EXPECT_EQ(tally.Defects(), 0) << tally.Report();
    EXPECT_GT(tally.Occurrences("results"), kGeneratedCases / 10) << tally.Report();
    for (std::string_view message :
         {message::kRiNotBelowSeries, message::kFiZero, message::kFsZero, message::kRiZero,
          message::kR2Zero, message::kRZero, message::kR5Zero, message::kRLZero, message::kAvcbOne,
          message::kSizingImpossible}) {
        EXPECT_GT(tally.Occurrences(std::string(message)), 0) << message << "\n" << tally.Report();
    }
}

}  // namespace
}  // namespace amp::robustness
