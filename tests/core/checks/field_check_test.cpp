#include "core/checks/field_check.h"

#include <gtest/gtest.h>

#include "core/checks/messages.h"

namespace amp {
namespace {

// The message of a failed check; empty when the check passed.
std::string MessageOf(const std::optional<Failure>& check) {
    return check ? check->message : std::string();
}

TEST(CheckNumericField, EmptyTextGivesTheMissingValueMessage) {
    EXPECT_EQ(MessageOf(CheckNumericField("", Field::R2)),
              "Hai dimenticato di scrivere la resistenza R2 ");
    EXPECT_EQ(
        MessageOf(CheckNumericField("", Field::f)),
        "Hai dimenticato di scrivere la frequenza per la quale vuoi calcolare modulo e fase  ");
}

TEST(CheckNumericField, ForbiddenCharactersGiveTheMalformedValueMessage) {
    const std::string bad =
        "Errore di inserimento dati per la resistenza R2. Puoi scrivere soltanto numeri razionali "
        "con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , "
        "5E3";
    for (const char* text : {" 5", "5 ", "1,5", "1D3", "2k", "\t", "5\xC2\xB0", "0x10"}) {
        EXPECT_EQ(MessageOf(CheckNumericField(text, Field::R2)), bad) << text;
    }
}

TEST(CheckNumericField, AllowedCharactersPassWhateverTheirOrder) {
    for (const char* text :
         {"1.5", "1E-5", "5E3", "+2", "-3.3e+2", "1.2.3", "--", "e", "+-", ".", "1E-400", "0"}) {
        EXPECT_EQ(MessageOf(CheckNumericField(text, Field::C1)), "") << text;
    }
}

TEST(CheckNumericField, NumberBeyondDoubleRangeIsMalformed) {
    for (const char* text : {"1E400", "-1E400", "1.8e308", "123456e99999999999999"}) {
        EXPECT_EQ(MessageOf(CheckNumericField(text, Field::Avo)), BadValueMessage(Field::Avo))
            << text;
    }
    EXPECT_EQ(MessageOf(CheckNumericField("1.7e308", Field::Avo)), "");
    EXPECT_EQ(MessageOf(CheckNumericField("0.0001e-400", Field::Avo)), "");
}

TEST(ReadFieldNumber, ReadsTheLongestLeadingNumberWithAPoint) {
    EXPECT_DOUBLE_EQ(ReadFieldNumber("1.23"), 1.23);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("1E-5"), 0.00001);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("5E3"), 5000.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("5-"), 5.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("-3.3e+2"), -330.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("+2"), 2.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("5e"), 5.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("5e+"), 5.0);
    EXPECT_DOUBLE_EQ(ReadFieldNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ReadFieldNumber("1,5"), 1.0);
}

TEST(ReadFieldNumber, TextsWithoutALeadingNumberReadZero) {
    for (const char* text : {"", "-", "--", "e", "e5", "+-", ".", "-.", "E+3"}) {
        EXPECT_EQ(ReadFieldNumber(text), 0.0) << text;
    }
    EXPECT_EQ(ReadFieldNumber("1E-400"), 0.0);
}

TEST(CheckFields, OnlyTheFirstFailingFieldInTheActionOrderIsReported) {
    FieldTexts texts;
    EXPECT_EQ(MessageOf(CheckFields(texts, kSizingCheckOrder)),
              std::string(MissingValueMessage(Field::fi)));
    EXPECT_EQ(MessageOf(CheckFields(texts, kEvaluationCheckOrder)),
              std::string(MissingValueMessage(Field::N)));
    EXPECT_EQ(MessageOf(CheckFields(texts, kGraphCheckOrder)),
              std::string(MissingValueMessage(Field::N)));

    texts[Field::N] = "1000";
    texts[Field::R2] = "x";
    EXPECT_EQ(MessageOf(CheckFields(texts, kGraphCheckOrder)), BadValueMessage(Field::R2));
    EXPECT_EQ(MessageOf(CheckFields(texts, kEvaluationCheckOrder)),
              std::string(MissingValueMessage(Field::f)));
}

TEST(MessageTable, MessagesKeepTheirExactWordingAndTrailingBlanks) {
    EXPECT_EQ(
        MissingValueMessage(Field::Ri),
        "Hai dimenticato di scrivere la resistenza di ingresso desiderata per l'amplificatore "
        "Ri ");
    EXPECT_EQ(MissingValueMessage(Field::C4), "Hai dimenticato di scrivere la capacità C4 ");
    EXPECT_EQ(MissingValueMessage(Field::N),
              "Hai dimenticato di scrivere il numero di campioni usati per la costruzione del "
              "grafico: N ");
    EXPECT_EQ(BadValueMessage(Field::f),
              "Errore di inserimento dati per frequenza alla quale vuoi calcolare modulo e fase. "
              "Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
              "anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3");
    for (int box = 1; box <= kFieldCount; ++box) {
        const Field field = FieldOfTextBox(box);
        if (field == Field::f) continue;
        const std::string symbol(FieldSymbol(field));
        EXPECT_TRUE(MissingValueMessage(field).ends_with(" " + symbol + " ")) << box;
        EXPECT_NE(BadValueMessage(field).find(" " + symbol + ". Puoi"), std::string::npos) << box;
    }
}

}  // namespace
}  // namespace amp
