#include "tests/robustness/field_text_generator.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace amp::robustness {
namespace {

struct TypicalValue {
    std::string_view text;
    int exponent;  // decimal exponent of its first digit
};

// Indexed by text box number - 1.
constexpr std::array<TypicalValue, kFieldCount> kTypical{{
    {"5", 0},  {"20000", 4}, {"33", 1},     {"11", 1}, {"1", 0},   {"50", 1},  {"3.3", 0},
    {"15", 1}, {"10", 1},    {"10", 1},     {"1", 0},  {"100", 2}, {"1", 0},   {"100", 2},
    {"10", 1}, {"10", 1},    {"200000", 5}, {"1", 0},  {"100", 2}, {"100", 2}, {"1000", 3},
}};

constexpr std::array<std::string_view, 8> kBlankTexts{" ",     "  ", "5 ",  " 5",
                                                      "1 000", "\t", "1\n", "\xC2\xA0"};
constexpr std::array<std::string_view, 5> kCommaTexts{"1,5", ",", "0,001", "1,2E3", "-,5"};
// Only allowed characters, though mostly no number.
constexpr std::array<std::string_view, 21> kSignAndLetterTexts{
    "+-",  "-",  "+",  "--", "-+5", "e",     "E",     ".",    "e5",  "-.",   ".e",
    "E+3", "..", "5-", "5e", "5e+", "1.2.3", "1e5e5", "+.e-", "-e-", "1e+-3"};
constexpr std::array<std::string_view, 12> kForbiddenTexts{
    "1D3", "2k",       "x",         "inf",          "nan",        "0x10",
    "1_0", "\xC2\xB5", "5\xC2\xB0", "\xEF\xBC\x95", "1e\xD9\xA3", "Infinity"};
// Numbers at and beyond the largest double, and below the smallest one.
constexpr std::array<std::string_view, 7> kLargeEdgeTexts{"1E400",
                                                          "-1E400",
                                                          "1.8e308",
                                                          "1.7976931348623157e308",
                                                          "1.7976931348623159e308",
                                                          "1E99999999999999999999",
                                                          "0E99999"};
constexpr std::array<std::string_view, 8> kSmallEdgeTexts{
    "1E-400", "-1E-400",     "4.9e-324", "2e-324",
    "3e-324", "0.0001e-400", "1e-310",   "-2.2250738585072014e-308"};
constexpr std::array<std::string_view, 9> kZeroTexts{"0",       "-0", "0.0", "0E5", "000",
                                                     "-0.0e-0", ".0", "0.",  "+0"};
constexpr std::array<std::string_view, 20> kOddSampleCounts{
    "0",          "-1",          "0.5",      "1.5", "2.5",     "0.49",  "1E3",
    "999.7",      "195577",      "195576.6", "1E9", "-195576", "1E400", "4294967297",
    "2147483648", "-2147483649", "",         "N",   "1 000",   "1E-400"};
// Texts that give the largest N, 195576 steps.
constexpr std::array<std::string_view, 3> kFullSweepCounts{"195576", "195576.5", "1.95576E5"};

constexpr std::string_view kAllowedAlphabet = "0123456789.eE+-";
constexpr std::string_view kMixedAlphabet = "0123456789.eE+-, \tdDkx\xC2\xB0";

// The text of a number whose first digit stands at the given decimal exponent, in scientific
// notation, or in plain decimals where that stays short.
std::string Render(const std::string& digits, int exponent, PortableRandom& random) {
    std::string text;
    if (exponent < -8 || exponent > 8 || random.OneIn(2)) {
        text += digits.front();
        if (digits.size() > 1) text += "." + digits.substr(1);
        text += random.OneIn(2) ? 'E' : 'e';
        if (exponent < 0) {
            text += '-';
        } else if (random.OneIn(3)) {
            text += '+';
        }
        text += std::to_string(std::abs(exponent));
        return text;
    }
    if (exponent >= 0) {
        std::string integer = digits.substr(0, std::min<std::size_t>(digits.size(), exponent + 1));
        integer.append(static_cast<std::size_t>(exponent) + 1 - integer.size(), '0');
        text = integer;
        if (digits.size() > integer.size()) text += "." + digits.substr(integer.size());
        return text;
    }
    text = random.OneIn(4) ? "." : "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    return text + digits;
}

}  // namespace

std::string_view TypicalText(Field field) {
    return kTypical[TextBoxNumber(field) - 1].text;
}

std::string FieldTextGenerator::Digits(int count) {
    std::string digits(1, static_cast<char>('1' + random_.Below(9)));
    for (int i = 1; i < count; ++i) digits += static_cast<char>('0' + random_.Below(10));
    return digits;
}

std::string FieldTextGenerator::NumberText() {
    std::string text;
    if (random_.OneIn(5)) {
        text = "-";
    } else if (random_.OneIn(10)) {
        text = "+";
    }
    return text + Render(Digits(random_.Between(1, 17)), random_.Between(-320, 306), random_);
}

std::string FieldTextGenerator::PlausibleText(Field field) {
    // Now and then far off, which gives designs with bands of many decades or none at all.
    const int spread = random_.OneIn(4) ? 6 : 1;
    const int exponent =
        kTypical[TextBoxNumber(field) - 1].exponent + random_.Between(-spread, spread);
    return Render(Digits(random_.Between(1, 4)), exponent, random_);
}

std::string FieldTextGenerator::OutOfRangeText() {
    const int magnitude = random_.Between(309, 450);
    const int exponent = random_.OneIn(2) ? magnitude : -magnitude - 15;
    return (random_.OneIn(3) ? "-" : "") + Render(Digits(random_.Between(1, 5)), exponent, random_);
}

std::string FieldTextGenerator::BytesText(std::string_view alphabet, int maxLength) {
    std::string text;
    const int length = random_.Between(1, maxLength);
    for (int i = 0; i < length; ++i) {
        text += alphabet.empty()
                    ? static_cast<char>(random_.Below(256))
                    : alphabet[random_.Below(static_cast<std::uint32_t>(alphabet.size()))];
    }
    return text;
}

std::string FieldTextGenerator::AnyText() {
    switch (random_.Below(13)) {
        case 0:
            return "";
        case 1:
            return std::string(random_.Pick(kBlankTexts));
        case 2:
            return std::string(random_.Pick(kCommaTexts));
        case 3:
            return std::string(random_.Pick(kSignAndLetterTexts));
        case 4:
            return std::string(random_.Pick(kForbiddenTexts));
        case 5:
            return std::string(random_.OneIn(2) ? random_.Pick(kLargeEdgeTexts)
                                                : random_.Pick(kSmallEdgeTexts));
        case 6:
            return std::string(random_.Pick(kZeroTexts));
        case 7: {
            std::string digits = Digits(random_.Between(300, 420));
            if (random_.OneIn(2)) {
                digits.insert(random_.Below(static_cast<std::uint32_t>(digits.size())), ".");
            }
            return digits;
        }
        case 8:
            return OutOfRangeText();
        case 9:
            return BytesText(kAllowedAlphabet, 16);
        case 10:
            return BytesText(kMixedAlphabet, 12);
        case 11:
            return BytesText({}, 8);
        default:
            return NumberText();
    }
}

std::string FieldTextGenerator::SampleCountText() {
    // The full sweep is the slow case: rare, so that the suite stays short.
    if (random_.OneIn(4000)) return std::string(random_.Pick(kFullSweepCounts));
    if (random_.OneIn(10)) return std::string(random_.Pick(kOddSampleCounts));
    return std::to_string(random_.Between(1, 64));
}

std::string FieldTextGenerator::FieldText(Field field, bool plausible) {
    if (!plausible) return random_.OneIn(2) ? NumberText() : AnyText();
    if (field == Field::N) return SampleCountText();
    if (random_.OneIn(50)) return std::string(random_.Pick(kZeroTexts));
    if (random_.OneIn(50)) return "-" + PlausibleText(field);
    return PlausibleText(field);
}

FieldTexts FieldTextGenerator::ActionTexts(std::span<const Field> order) {
    FieldTexts texts;
    const std::uint32_t kind = random_.Below(20);
    const bool wild = kind < 3;
    for (Field field : order) texts[field] = FieldText(field, !wild);
    if (kind >= 3 && kind < 8) {
        const int replaced = random_.Between(1, 3);
        for (int i = 0; i < replaced; ++i) {
            const Field field = random_.Pick(order);
            texts[field] = AnyText();
        }
    }
    return texts;
}

}  // namespace amp::robustness
