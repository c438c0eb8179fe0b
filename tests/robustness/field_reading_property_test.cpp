#include <gtest/gtest.h>

#include <cmath>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "tests/robustness/defect_tally.h"
#include "tests/robustness/field_text_generator.h"
#include "tests/robustness/known_messages.h"
#include "tests/robustness/outcome_rules.h"

namespace amp::robustness {
namespace {

constexpr int kGeneratedTexts = 100000;

TEST(FieldReadingProperty, EveryTextIsRefusedWithItsFieldsMessageOrReadLikeStrtod) {
    FieldTextGenerator generator(0x5EED0001);
    DefectTally tally;
    for (int i = 0; i < kGeneratedTexts; ++i) {
        const Field field = FieldOfTextBox(generator.Random().Between(1, kFieldCount));
        const std::string text = generator.AnyText();
        tally.Record(FieldReadingDefect(text, field), "field " + std::string(FieldSymbol(field)));
        const std::optional<std::string> message = CheckMessage(text, field);
        tally.Count(!message                                ? "passed"
                    : message == MissingValueMessage(field) ? "missing"
                                                            : "malformed");
    }
    EXPECT_EQ(tally.Defects(), 0) << tally.Report();
    // Each outcome must be common, or the run proves little about it.
    for (const char* outcome : {"passed", "missing", "malformed"}) {
        EXPECT_GT(tally.Occurrences(outcome), kGeneratedTexts / 20) << tally.Report();
    }
}

TEST(FieldReadingProperty, GeneratedNumbersAlwaysPassAndReadFinite) {
    FieldTextGenerator generator(0x5EED0002);
    DefectTally tally;
    for (int i = 0; i < kGeneratedTexts / 10; ++i) {
        const std::string text = generator.NumberText();
        tally.Record(CheckMessage(text, Field::Avo), text);
        tally.Record(std::isfinite(ReadFieldNumber(text)) ? std::nullopt
                                                          : std::optional<std::string>("infinite"),
                     text);
    }
    EXPECT_EQ(tally.Defects(), 0) << tally.Report();
}

}  // namespace
}  // namespace amp::robustness
