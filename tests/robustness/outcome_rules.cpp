#include "tests/robustness/outcome_rules.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/model/complex.h"
#include "tests/robustness/known_messages.h"

namespace amp::robustness {
namespace {

bool IsAllowedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
}

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string WithPoint(std::string_view text, std::string_view separator) {
    std::string result(text);
    const auto position = result.find(separator);
    if (!separator.empty() && position != std::string::npos) {
        result.replace(position, separator.size(), ".");
    }
    return result;
}

// "0.00E+00": a sign only when negative, one digit, two decimals, a signed exponent of two or
// three digits.
bool IsScientificResult(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.size() < 8 || text.size() > 9) return false;
    const bool mantissa = IsDigits(text.substr(0, 1)) && text[1] == '.' &&
                          IsDigits(text.substr(2, 2)) && text[4] == 'E';
    return mantissa && (text[5] == '+' || text[5] == '-') && IsDigits(text.substr(6));
}

// Wide enough that the formulas of the sizing neither overflow nor lose digits below the normal
// range for any inputs a double can hold.
static_assert(std::numeric_limits<long double>::max_exponent10 > 1000 &&
              std::numeric_limits<long double>::min_exponent10 < -1000);

// The eight results of the sizing, in their write order, from the same literal factors in the
// wider type: what each written figure must show to its last digit.
std::array<long double, 8> WideSizingResults(const FieldTexts& texts) {
    auto read = [&texts](Field field) {
        return static_cast<long double>(ReadFieldNumber(texts[field]));
    };
    const long double pi = kPi;
    const long double fi = read(Field::fi), fs = read(Field::fs), Avcb = read(Field::Avcb);
    const long double Ri = read(Field::Ri) * 1000, R2 = read(Field::R2) * 1000;
    const long double R = read(Field::R) * 1000, R5 = read(Field::R5) * 1000;
    const long double RL = read(Field::RL) * 1000;
    const long double R4 = (Avcb - 1) * R5 / 1000;
    return {0.001L / (1 / Ri - 1 / (R2 + R)), 2e6L / (2 * pi * fi * Ri),
            1e12L / (100 * pi * fs * R2),     2e6L / (2 * pi * fi * R),
            1e9L / (3 * pi * fs * R4),        1e7L / (2 * pi * fi * R5),
            2e6L / (2 * pi * fi * RL),        R4};
}

// Whether the "0.00E+00" text is the value rounded to its shown digits; the sizing's own
// rounding errors may tip a value that lies on a rounding boundary either way.
bool ShowsValue(std::string_view text, long double value) {
    const int exponent = std::atoi(std::string(text.substr(text.find('E') + 1)).c_str());
    const long double halfUnit = 0.5L * std::pow(10.0L, exponent - 2);
    const long double shown = ReadFieldNumber(text);
    return std::fabs(shown - value) <= halfUnit * (1 + 1e-9L);
}

std::optional<Field> FieldOfMessage(std::string_view message) {
    for (int box = 1; box <= kFieldCount; ++box) {
        const Field field = FieldOfTextBox(box);
        if (message == MissingValueMessage(field) || message == BadValueMessage(field)) {
            return field;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> FixedCaptionValue(std::string_view caption, int decimals,
                                        std::string_view separator) {
    std::string_view body = caption;
    if (!body.empty() && body.front() == '-') body.remove_prefix(1);
    std::string_view integer = body;
    if (decimals > 0) {
        const auto position = body.find(separator);
        if (position == std::string_view::npos) return std::nullopt;
        integer = body.substr(0, position);
        const std::string_view fraction = body.substr(position + separator.size());
        if (fraction.size() != static_cast<std::size_t>(decimals) || !IsDigits(fraction)) {
            return std::nullopt;
        }
    }
    if (!IsDigits(integer)) return std::nullopt;
    return std::strtod(WithPoint(caption, separator).c_str(), nullptr);
}

std::optional<std::string> CheckMessage(std::string_view text, Field field) {
    const std::optional<Failure> failure = CheckNumericField(text, field);
    if (!failure) return std::nullopt;
    return failure->message;
}

std::optional<std::string> FieldReadingDefect(std::string_view text, Field field) {
    const std::optional<std::string> message = CheckMessage(text, field);
    const std::string bad = BadValueMessage(field);
    if (text.empty()) {
        if (message != MissingValueMessage(field)) return "empty text without its message";
        return std::nullopt;
    }
    bool allowedOnly = true;
    for (char c : text) allowedOnly = allowedOnly && IsAllowedCharacter(c);
    if (!allowedOnly) {
        if (message != bad) return Quoted(text) + " holds a forbidden character but passes";
        return std::nullopt;
    }

    const std::string terminated(text);
    errno = 0;
    const double expected = std::strtod(terminated.c_str(), nullptr);
    const bool overflow = errno == ERANGE && std::isinf(expected);
    if (overflow) {
        if (message != bad) return Quoted(text) + " is beyond a double but passes";
        return std::nullopt;
    }
    if (message) return Quoted(text) + " is a readable number but gives: " + *message;
    const double value = ReadFieldNumber(text);
    if (value != expected || std::signbit(value) != std::signbit(expected)) {
        return Quoted(text) + " reads " + std::to_string(value) + " instead of " +
               std::to_string(expected);
    }
    return std::nullopt;
}

std::optional<std::string> ShownTextDefect(std::string_view text, std::string_view separator) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) {
        return Quoted(text) + " is not finite";
    }
    const std::string withPoint = WithPoint(text, separator);
    const std::string_view mantissa = std::string_view(withPoint).substr(0, withPoint.find('E'));
    const bool signedZero = mantissa.size() > 1 && mantissa.front() == '-' &&
                            mantissa.find_first_not_of("0.", 1) == std::string_view::npos;
    if (signedZero || withPoint.find("-0.00") != std::string::npos) {
        return Quoted(text) + " shows a signed zero";
    }
    return std::nullopt;
}

std::optional<std::string> ChecksPassedDefect(const FieldTexts& texts,
                                              std::span<const Field> order) {
    for (Field field : order) {
        if (CheckNumericField(texts[field], field)) {
            return "went past the failing check of " + std::string(FieldSymbol(field)) + " " +
                   Quoted(texts[field]);
        }
    }
    return std::nullopt;
}

std::optional<std::string> FailureDefect(const Failure& failure, const FieldTexts& texts,
                                         std::span<const Field> order) {
    if (!IsKnownMessage(failure.message)) return "unknown message " + Quoted(failure.message);
    const std::optional<Field> named = FieldOfMessage(failure.message);
    if (!named) return ChecksPassedDefect(texts, order);
    for (Field field : order) {
        const std::optional<std::string> message = CheckMessage(texts[field], field);
        if (field == *named) {
            if (message == failure.message) return std::nullopt;
            return "message of " + std::string(FieldSymbol(field)) + " for " + Quoted(texts[field]);
        }
        if (message) return "reported a later field than " + std::string(FieldSymbol(field));
    }
    return "message of a field outside the action: " + Quoted(failure.message);
}

std::optional<std::string> SizingDefect(const FieldTexts& texts,
                                        const Outcome<std::vector<FieldWrite>>& outcome) {
    if (const Failure* failure = FailureOf(outcome)) {
        return FailureDefect(*failure, texts, kSizingCheckOrder);
    }
    if (auto defect = ChecksPassedDefect(texts, kSizingCheckOrder)) return defect;
    constexpr std::array<Field, 8> kResultBoxes{Field::R1, Field::C1, Field::C2, Field::C3,
                                                Field::C4, Field::C5, Field::C6, Field::R4};
    const auto& writes = std::get<std::vector<FieldWrite>>(outcome);
    if (writes.size() != kResultBoxes.size()) return "not eight results";
    const std::array<long double, 8> expected = WideSizingResults(texts);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const FieldWrite& write = writes[i];
        if (write.field != kResultBoxes[i]) return "results out of their order";
        if (auto defect = ShownTextDefect(write.text, ".")) return defect;
        if (!IsScientificResult(write.text)) return Quoted(write.text) + " is not 0.00E+00";
        const std::string where = " in " + std::string(FieldSymbol(write.field));
        if (CheckNumericField(write.text, write.field)) {
            return Quoted(write.text) + where + " fails the check when read back";
        }
        if (!std::isnormal(ReadFieldNumber(write.text))) {
            return Quoted(write.text) + where + " is zero or below the normal range";
        }
        if (!ShowsValue(write.text, expected[i])) {
            char value[32];
            std::snprintf(value, sizeof value, "%.6Lg", expected[i]);
            return Quoted(write.text) + where + " is not its formula's value " + value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> EvaluationDefect(const FieldTexts& texts,
                                            const Outcome<EvaluationCaptions>& outcome,
                                            std::string_view separator) {
    if (const Failure* failure = FailureOf(outcome)) {
        return FailureDefect(*failure, texts, kEvaluationCheckOrder);
    }
    if (auto defect = ChecksPassedDefect(texts, kEvaluationCheckOrder)) return defect;
    const auto& captions = std::get<EvaluationCaptions>(outcome);
    for (const std::string* caption :
         {&captions.modulus, &captions.phase, &captions.lowerCutoff, &captions.upperCutoff}) {
        if (auto defect = ShownTextDefect(*caption, separator)) return defect;
    }

    const auto modulus = FixedCaptionValue(captions.modulus, 2, separator);
    if (!modulus || captions.modulus.front() == '-') {
        return "modulus " + Quoted(captions.modulus) + " is not a plain 0.00";
    }
    const auto phase = FixedCaptionValue(captions.phase, 2, separator);
    if (!phase || std::fabs(*phase) > 90.0) {
        return "phase " + Quoted(captions.phase) + " is not 0.00 within 90 degrees";
    }
    // The sweep's frequencies run from 1 Hz up to 10 ^ (6 x (N + 1) / N), at most 10 ^ 12.
    constexpr double kHighestSweepFrequency = 1E12;
    const auto lower = FixedCaptionValue(captions.lowerCutoff, 1, separator);
    if (!lower || *lower < 1.0 || *lower > kHighestSweepFrequency) {
        return "lower cut-off " + Quoted(captions.lowerCutoff) + " is no sweep frequency";
    }
    const auto upper = FixedCaptionValue(captions.upperCutoff, 0, separator);
    if (!upper || *upper < 1.0 || *upper > kHighestSweepFrequency) {
        return "upper cut-off " + Quoted(captions.upperCutoff) + " is no sweep frequency";
    }
    return std::nullopt;
}

}  // namespace amp::robustness
