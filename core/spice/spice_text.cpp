#include "core/spice/spice_text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace amp {
namespace {

struct ScaleFactor {
    int exponent;
    std::string_view suffix;
};

// SPICE reads its scale factors without regard to case: "m" is milli, "Meg" mega.
constexpr std::array<ScaleFactor, 10> kScaleFactors{{
    {-15, "f"},
    {-12, "p"},
    {-9, "n"},
    {-6, "u"},
    {-3, "m"},
    {0, ""},
    {3, "k"},
    {6, "Meg"},
    {9, "G"},
    {12, "T"},
}};

std::optional<ScaleFactor> ScaleFactorOf(int exponent) {
    const int thousands = (exponent >= 0 ? exponent : exponent - 2) / 3;
    for (const ScaleFactor& factor : kScaleFactors) {
        if (factor.exponent == 3 * thousands) return factor;
    }
    return std::nullopt;
}

// The base letters of U+00C0 ... U+017F, Latin-1's letters and Latin Extended-A; empty for the
// two signs among them (multiplication and division).
constexpr std::array<std::string_view, 0x180 - 0xC0> kLatinBaseLetters{
    "A", "A", "A",  "A",  "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",   // C0
    "D", "N", "O",  "O",  "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "TH", "ss",  // D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // E0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",   // F0
    "A", "a", "A",  "a",  "A", "a", "C",  "c", "C", "c", "C", "c", "C", "c", "D",  "d",   // 100
    "D", "d", "E",  "e",  "E", "e", "E",  "e", "E", "e", "E", "e", "G", "g", "G",  "g",   // 110
    "G", "g", "G",  "g",  "H", "h", "H",  "h", "I", "i", "I", "i", "I", "i", "I",  "i",   // 120
    "I", "i", "IJ", "ij", "J", "j", "K",  "k", "k", "L", "l", "L", "l", "L", "l",  "L",   // 130
    "l", "L", "l",  "N",  "n", "N", "n",  "N", "n", "n", "N", "n", "O", "o", "O",  "o",   // 140
    "O", "o", "OE", "oe", "R", "r", "R",  "r", "R", "r", "S", "s", "S", "s", "S",  "s",   // 150
    "S", "s", "T",  "t",  "T", "t", "T",  "t", "U", "u", "U", "u", "U", "u", "U",  "u",   // 160
    "U", "u", "U",  "u",  "W", "w", "Y",  "y", "Y", "Z", "z", "Z", "z", "Z", "z",  "s",   // 170
};

// One UTF-8 sequence: the code point and its length, or nothing for a malformed, overlong or
// surrogate sequence.
struct CodePoint {
    char32_t value;
    std::size_t length;
};

std::optional<CodePoint> DecodeUtf8(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return std::nullopt;
        value = (value << 6) | (byte(i) & 0x3Fu);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return CodePoint{value, length};
}

void AppendEscape(std::string& out, const char* format, unsigned value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), format, value);
    out += text.data();
}

}  // namespace

std::string SpiceNumber(double value) {
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific);
    const std::string_view scientific(buffer.data(), written.ptr);
    const std::size_t e = scientific.find('e');
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    const std::optional<ScaleFactor> factor = ScaleFactorOf(exponent);
    if (!factor) return std::string(scientific);

    // The digits d.ddd x 10^exponent written as ddd.d with the factor's exponent: only the point
    // moves, so the decimal value is the same.
    std::string_view mantissa = scientific.substr(0, e);
    std::string number;
    if (mantissa.front() == '-') {
        number += '-';
        mantissa.remove_prefix(1);
    }
    std::string digits(1, mantissa.front());
    if (mantissa.size() > 2) digits += mantissa.substr(2);
    const std::size_t integerDigits = static_cast<std::size_t>(exponent - factor->exponent) + 1;
    if (digits.size() < integerDigits) digits.append(integerDigits - digits.size(), '0');
    number += digits.substr(0, integerDigits);
    if (digits.size() > integerDigits) number += '.' + digits.substr(integerDigits);
    number += factor->suffix;
    return number;
}

std::string AsciiText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto byte = static_cast<unsigned char>(utf8.front());
        if (byte < 0x80) {
            if (byte < 0x20 || byte == 0x7F) {
                AppendEscape(out, "\\x%02X", byte);
            } else {
                if (byte == '\\' || byte == '"') out += '\\';
                out += static_cast<char>(byte);
            }
            utf8.remove_prefix(1);
            continue;
        }
        const std::optional<CodePoint> point = DecodeUtf8(utf8);
        if (!point) {
            AppendEscape(out, "\\x%02X", byte);
            utf8.remove_prefix(1);
            continue;
        }
        const char32_t c = point->value;
        const std::string_view letter =
            c >= 0xC0 && c < 0x180 ? kLatinBaseLetters[c - 0xC0] : std::string_view();
        if (!letter.empty()) {
            out += letter;
        } else if (c <= 0xFFFF) {
            AppendEscape(out, "\\u%04X", static_cast<unsigned>(c));
        } else {
            AppendEscape(out, "\\U%08X", static_cast<unsigned>(c));
        }
        utf8.remove_prefix(point->length);
    }
    return out;
}

}  // namespace amp
