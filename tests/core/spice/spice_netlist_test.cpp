#include "core/spice/spice_netlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/checks/messages.h"
#include "core/spice/spice_text.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

// A netlist number read as a correctly rounding reader reads it: the scale factor is a power of
// ten on the same digits.
double ReadSpiceNumber(const std::string& text) {
    static const std::vector<std::pair<std::string, std::string>> kFactors{
        {"Meg", "e6"}, {"f", "e-15"}, {"p", "e-12"}, {"n", "e-9"}, {"u", "e-6"},
        {"m", "e-3"},  {"k", "e3"},   {"G", "e9"},   {"T", "e12"},
    };
    for (const auto& [suffix, exponent] : kFactors) {
        if (text.ends_with(suffix)) {
            return std::strtod((text.substr(0, text.size() - suffix.size()) + exponent).c_str(),
                               nullptr);
        }
    }
    return std::strtod(text.c_str(), nullptr);
}

TEST(SpiceNumber, WritesScaleFactorsAndReadsBackAsTheSameDouble) {
    const std::vector<std::pair<double, std::string>> cases{
        {10000.0, "10k"},    {1.93 * 1e-6, "1.9299999999999997u"},
        {100e-12, "100p"},   {200000.0, "200k"},
        {3e6, "3Meg"},       {0.0, "0"},
        {-15.0, "-15"},      {4.7e-3, "4.7m"},
        {18e-9, "18n"},      {1e-14, "10f"},
        {1e-18, "1e-18"},    {2.5e15, "2.5e+15"},
        {999.9e12, "999.9T"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(SpiceNumber(value), text) << text;

    std::mt19937_64 engine(0x5B1CE);
    for (int i = 0; i < 20000; ++i) {
        const double u = static_cast<double>(engine() >> 11) * 0x1.0p-53;
        const double value = std::pow(10.0, -20.0 + 40.0 * u) * (engine() % 2 ? 1 : -1);
        ASSERT_EQ(ReadSpiceNumber(SpiceNumber(value)), value) << SpiceNumber(value);
    }
}

TEST(AsciiText, DropsAccentsAndEscapesTheRest) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Perché è così", "Perche e cosi"},
        {"Ærø Straße Łódź", "AEro Strasse Lodz"},
        {"a \"b\" \\c", "a \\\"b\\\" \\\\c"},
        {"riga\nnuova\t\x7F", "riga\\x0Anuova\\x09\\x7F"},
        {"×中😀", "\\u00D7\\u4E2D\\U0001F600"},
        {"\xFF\xC3", "\\xFF\\xC3"},           // not UTF-8, and a sequence cut short
        {"\xE0\x80\x80", "\\xE0\\x80\\x80"},  // overlong
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
    };
    for (const auto& [text, ascii] : cases) EXPECT_EQ(AsciiText(text), ascii) << ascii;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A name with blanks, quotes, accents, another script and a line break that would end the
// netlist stays in the title and the comments, and every line is plain printable ASCII.
TEST(SpiceNetlist, CarriesAnyDesignNameOnlyInItsTitleAndComments) {
    const std::string name = "Stadio \"finale\" perché 中\n.end\r\nR9 a 0 1";
    const std::string netlist = SpiceNetlist({name, "1.2.0", {}, std::nullopt});
    ASSERT_TRUE(netlist.ends_with("\n.end\n"));
    const std::vector<std::string> lines = Lines(netlist);
    EXPECT_TRUE(lines.front().starts_with(std::string(kApplicationTitle) + " 1.2.0"));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (char c : lines[i]) {
            ASSERT_TRUE(c >= 0x20 && c < 0x7F) << "line " << i << ": " << lines[i];
        }
        if (i > 0 && i + 1 < lines.size() && !lines[i].starts_with("*")) {
            EXPECT_EQ(lines[i].find("Stadio"), std::string::npos) << lines[i];
            EXPECT_NE(lines[i], ".end") << "line " << i;
        }
    }
    EXPECT_NE(lines.front().find("perche \\u4E2D\\x0A.end\\x0D\\x0AR9"), std::string::npos);
}

// Each part on its nodes with the value the model computes with (10 uF is 10 x 1e-6 F, a hair
// below 1e-5), the sources, the temperature and the band.
TEST(ExportSpiceNetlist, WritesTheBoxesAndTheNoiseSettings) {
    NoiseTexts noise = DefaultNoiseTexts();
    noise.temperature = "40";
    noise.bandHigh = "15000";
    const Outcome<std::string> outcome =
        ExportSpiceNetlist(test_support::ReferenceTexts(), noise, "progetto", "1.2.0");
    ASSERT_FALSE(Failed(outcome)) << FailureOf(outcome)->message;
    const std::vector<std::string> lines = Lines(std::get<std::string>(outcome));
    for (const char* expected : {
             "Vi in 0 dc 0 ac 1",
             "C1 in a 1u",
             "R1 a 0 10k",
             "R2 a b 100k",
             "C2 b 0 100p",
             "R_in b 0 10k",
             "XU1 b vo1 vcc vee vo1 opamp_1polo",
             "C3 vo1 c 1u",
             "R3 c d 1k",
             "R_cpl d 0 10k",
             "XU2 d m vcc vee o2 opamp_1polo",
             "R4 o2 m 100k",
             "C4 o2 m 100p",
             "R5 m e 10k",
             "C5 e 0 9.999999999999999u",
             "C6 o2 out 9.999999999999999u",
             "RL out 0 10k",
             "Vcc vcc 0 dc 15",
             "Vee vee 0 dc -15",
             ".param temperature=40",
             ".subckt opamp_1polo inp inm vcc vee out params: Avo=200k fc=1Meg "
             "en=18.000000000000002n in=10f",
             ".ac dec 200 1 1Meg",
             ".noise v(out) Vi dec 200 20 15k 1",
         }) {
        EXPECT_NE(std::ranges::find(lines, expected), lines.end()) << expected;
    }
    const std::string bare = std::get<std::string>(
        ExportSpiceNetlist(test_support::ReferenceTexts(), std::nullopt, "progetto", "1.2.0"));
    EXPECT_NE(bare.find("en=0 in=0\n"), std::string::npos);
    EXPECT_NE(bare.find(".param temperature=25\n"), std::string::npos);
    EXPECT_NE(bare.find(".noise v(out) Vi dec 200 20 20k 1\n"), std::string::npos);
}

// A failing field gives its message and no netlist, whichever of the checks refuses it.
TEST(ExportSpiceNetlist, GivesTheFirstFailureAndNoNetlist) {
    struct Case {
        Field field;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {Field::R1, "", std::string(MissingValueMessage(Field::R1))},
        {Field::C2, "1,5", BadValueMessage(Field::C2)},
        {Field::Avo, "0", std::string(message::kAvoZero)},
        {Field::fc, "0", std::string(message::kFcZero)},
        {Field::R4, "1e306", std::string(message::kResponseUndefined)},
    };
    for (const Case& c : cases) {
        FieldTexts texts = test_support::ReferenceTexts();
        texts[c.field] = c.text;
        const Outcome<std::string> outcome =
            ExportSpiceNetlist(texts, std::nullopt, "progetto", "1.2.0");
        ASSERT_TRUE(Failed(outcome)) << c.message;
        EXPECT_EQ(FailureOf(outcome)->message, c.message);
    }

    NoiseTexts noise = DefaultNoiseTexts();
    noise.bandLow = "30000";
    const Outcome<NoiseSettings> refused = ReadNoiseSettings(noise);
    ASSERT_TRUE(Failed(refused));
    const Outcome<std::string> outcome =
        ExportSpiceNetlist(test_support::ReferenceTexts(), noise, "progetto", "1.2.0");
    ASSERT_TRUE(Failed(outcome));
    EXPECT_EQ(FailureOf(outcome)->message, FailureOf(refused)->message);
}

}  // namespace
}  // namespace amp
