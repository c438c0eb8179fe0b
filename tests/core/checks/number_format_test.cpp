#include "core/checks/number_format.h"

#include <gtest/gtest.h>

namespace amp {
namespace {

TEST(FormatScientific, TwoDecimalsSignedExponentAndAPoint) {
    EXPECT_EQ(FormatScientific(93.5), "9.35E+01");
    EXPECT_EQ(FormatScientific(0.000123), "1.23E-04");
    EXPECT_EQ(FormatScientific(-93.5), "-9.35E+01");
    EXPECT_EQ(FormatScientific(1.5e100), "1.50E+100");
    EXPECT_EQ(FormatScientific(0.0), "0.00E+00");
    EXPECT_EQ(FormatScientific(-0.0), "0.00E+00");
    EXPECT_EQ(FormatScientific(9.999), "1.00E+01");
}

TEST(FormatFixed, RoundsToTheGivenDecimalsInTheGivenSeparator) {
    EXPECT_EQ(FormatFixed(0.906, 2, "."), "0.91");
    EXPECT_EQ(FormatFixed(0.906, 2, ","), "0,91");
    EXPECT_EQ(FormatFixed(-2.2849, 2, ","), "-2,28");
    EXPECT_EQ(FormatFixed(24.322, 1, "."), "24.3");
    EXPECT_EQ(FormatFixed(13427.6, 0, ","), "13428");
    EXPECT_EQ(FormatFixed(0.125, 2, "."), "0.12");  // the exact double of 0.125 is a tie
    EXPECT_EQ(FormatFixed(0.0051, 2, "."), "0.01");
}

TEST(FormatFixed, ValuesRoundingToZeroShowNoSign) {
    EXPECT_EQ(FormatFixed(-0.004, 2, "."), "0.00");
    EXPECT_EQ(FormatFixed(-0.04, 1, "."), "0.0");
    EXPECT_EQ(FormatFixed(-0.4, 0, "."), "0");
    EXPECT_EQ(FormatFixed(-0.0, 2, ","), "0,00");
}

TEST(FormatTrimmed, DropsTrailingZerosAndNeverUsesAnExponent) {
    EXPECT_EQ(FormatTrimmed(0.126, "."), "0.13");
    EXPECT_EQ(FormatTrimmed(2.5, ","), "2,5");
    EXPECT_EQ(FormatTrimmed(5.0, "."), "5");
    EXPECT_EQ(FormatTrimmed(1000000.0, "."), "1000000");
    EXPECT_EQ(FormatTrimmed(3.16227766, ","), "3,16");
    EXPECT_EQ(FormatTrimmed(-90.0, "."), "-90");
    EXPECT_EQ(FormatTrimmed(-0.001, "."), "0");
    EXPECT_EQ(FormatTrimmed(1e20, "."), "100000000000000000000");
}

TEST(ParseCaption, ReadsACaptionInItsSeparator) {
    EXPECT_EQ(ParseCaption("0,91", ","), 0.91);
    EXPECT_EQ(ParseCaption("2.00", "."), 2.0);
    EXPECT_EQ(ParseCaption("-1.5", "."), -1.5);
    EXPECT_EQ(ParseCaption("", "."), std::nullopt);
    EXPECT_EQ(ParseCaption("abc", "."), std::nullopt);
}

TEST(ExponentForm, ShowsThreeSignificantDigitsInTheCaptionsSeparator) {
    EXPECT_EQ(ExponentForm("696157569314572897812266090496.00", "."), "6.96E+29");
    EXPECT_EQ(ExponentForm("696157569314572897812266090496,00", ","), "6,96E+29");
    EXPECT_EQ(ExponentForm("-2427984.45", "."), "-2.43E+06");
    EXPECT_EQ(ExponentForm("0,00", ","), "0,00E+00");
    EXPECT_EQ(ExponentForm("inf", "."), std::nullopt);
    EXPECT_EQ(ExponentForm("", "."), std::nullopt);
}

}  // namespace
}  // namespace amp
