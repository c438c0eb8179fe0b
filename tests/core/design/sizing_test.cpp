#include "core/design/sizing.h"

#include <gtest/gtest.h>

#include "core/checks/messages.h"
#include "core/design/example_data.h"

namespace amp {
namespace {

FieldTexts ExampleTexts() {
    FieldTexts texts;
    for (const FieldWrite& write : ExampleData()) texts[write.field] = write.text;
    return texts;
}

std::string MessageOf(const Outcome<std::vector<FieldWrite>>& outcome) {
    return Failed(outcome) ? std::get<Failure>(outcome).message : std::string("<results>");
}

TEST(SizeComponents, ExampleDataGiveThePublishedResultsInWriteOrder) {
    const auto outcome = SizeComponents(ExampleTexts());
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    const std::vector<FieldWrite> expected{
        {Field::R1, "9.35E+01"}, {Field::C1, "1.93E+00"}, {Field::C2, "1.59E+02"},
        {Field::C3, "1.27E+00"}, {Field::C4, "3.54E+01"}, {Field::C5, "2.12E+01"},
        {Field::C6, "6.37E+00"}, {Field::R4, "1.50E+02"},
    };
    EXPECT_EQ(std::get<std::vector<FieldWrite>>(outcome), expected);
}

TEST(SizeComponents, ChecksTheNineFieldsInTheirOrder) {
    FieldTexts texts = ExampleTexts();
    texts[Field::R3] = "";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), MissingValueMessage(Field::R3));
    texts[Field::R] = "5O";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), BadValueMessage(Field::R));
    texts[Field::fi] = "";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), MissingValueMessage(Field::fi));
}

TEST(SizeComponents, InputResistanceMustBeBelowTheSeriesPair) {
    FieldTexts texts = ExampleTexts();
    texts[Field::Ri] = "51";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), "Deve essere Ri < (R2 + R)!");
    texts[Field::Ri] = "50.999";
    EXPECT_FALSE(Failed(SizeComponents(texts)));
    // Ri overflows in ohm but R2 + R does not: still truly not below.
    texts[Field::Ri] = "1E306";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), "Deve essere Ri < (R2 + R)!");
}

TEST(SizeComponents, DivisionsByZeroAreRefusedInOrder) {
    const std::vector<std::pair<Field, std::string>> cases{
        {Field::fi, "fi non può essere zero!"}, {Field::fs, "fs non può essere zero!"},
        {Field::Ri, "Ri non può essere zero!"}, {Field::R2, "R2 non può essere zero!"},
        {Field::R5, "R5 non può essere zero!"}, {Field::RL, "RL non può essere zero!"},
    };
    for (const auto& [field, message] : cases) {
        FieldTexts texts = ExampleTexts();
        texts[field] = "0";
        EXPECT_EQ(MessageOf(SizeComponents(texts)), message);
    }
    FieldTexts texts = ExampleTexts();
    texts[Field::R] = "0";
    texts[Field::R2] = "40";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), "R non può essere zero!");
    texts = ExampleTexts();
    texts[Field::Avcb] = "1";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), "Avcb non può essere 1!");
    texts[Field::fi] = "0";
    EXPECT_EQ(MessageOf(SizeComponents(texts)), "fi non può essere zero!");
}

// Each of these once wrote a zero, a figure computed from an infinity, or one that had lost its
// digits below the normal range.
TEST(SizeComponents, OverflowAndUnderflowAnywhereAreRefusedWhole) {
    const std::vector<std::vector<std::pair<Field, std::string>>> cases{
        {{Field::fi, "1E308"}},    // 2 pi fi overflows: C1, C3, C5, C6 came out as 0.00E+00
        {{Field::R2, "1E308"}},    // R2 + R overflows: C2 was 0.00E+00, R1 3.30E+01
        {{Field::fs, "1E308"}},    // C2 and C4 came out as zero
        {{Field::RL, "1E306"}},    // RL overflows in ohm
        {{Field::Avcb, "1E308"}},  // R4 overflows
        {{Field::fi, "1E-320"}},   // the capacitors overflow
        {{Field::Ri, "1E-309"}, {Field::fi, "1E10"}},  // R1 falls below the normal range
        // 3 pi fs below the normal range: C4 was written 1.50E+300 for 1.43E+300.
        {{Field::fs, "5E-324"}, {Field::R2, "1E30"}, {Field::Avcb, "1E30"}},
        // Ri and R2 + R both overflow: the comparison could not tell which is larger.
        {{Field::Ri, "1E306"}, {Field::R2, "1E306"}},
    };
    for (const auto& changes : cases) {
        FieldTexts texts = ExampleTexts();
        for (const auto& [field, text] : changes) texts[field] = text;
        EXPECT_EQ(MessageOf(SizeComponents(texts)),
                  "I dati inseriti non permettono di dimensionare i componenti!")
            << FieldSymbol(changes.front().first) << " " << changes.front().second;
    }
}

TEST(SizeComponents, HugeResultsWithinTheRangeAreWritten) {
    FieldTexts texts = ExampleTexts();
    texts[Field::fi] = "1E-300";
    const auto outcome = SizeComponents(texts);
    ASSERT_FALSE(Failed(outcome)) << MessageOf(outcome);
    EXPECT_EQ(std::get<std::vector<FieldWrite>>(outcome)[1], (FieldWrite{Field::C1, "9.65E+300"}));
}

TEST(SizeComponents, ResultsThatWouldNotReadBackAreRefused) {
    FieldTexts texts = ExampleTexts();
    texts[Field::fi] = "1.7716E-306";  // C6 just below the largest double, written as 1.80E+308
    texts[Field::RL] = "1";
    EXPECT_EQ(MessageOf(SizeComponents(texts)),
              "I dati inseriti non permettono di dimensionare i componenti!");
}

TEST(SizeComponents, NegativeResultsKeepAPoint) {
    FieldTexts texts = ExampleTexts();
    texts[Field::Avcb] = "0.5";
    const auto outcome = SizeComponents(texts);
    ASSERT_FALSE(Failed(outcome));
    const auto& writes = std::get<std::vector<FieldWrite>>(outcome);
    EXPECT_EQ(writes.back(), (FieldWrite{Field::R4, "-7.50E+00"}));
    EXPECT_EQ(writes[4].text, "-7.07E+02");
}

TEST(ClearAllFields, EmptiesAllTwentyOneBoxesInOrder) {
    const std::vector<FieldWrite> writes = ClearAllFields();
    ASSERT_EQ(writes.size(), 21u);
    for (int box = 1; box <= 21; ++box) {
        EXPECT_EQ(writes[box - 1], (FieldWrite{FieldOfTextBox(box), ""}));
    }
}

}  // namespace
}  // namespace amp
