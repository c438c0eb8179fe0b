#include "core/checks/field_check.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace amp {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAllowedCharacter(char c) {
    return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
}

struct LeadingNumber {
    double value = 0.0;
    bool tooLarge = false;
};

// Scans sign, digits, an optional point with digits and an optional exponent; what follows the
// longest such part is ignored.
LeadingNumber ParseLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    std::size_t integerDigits = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
        ++integerDigits;
    }
    std::size_t fractionDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        while (after < text.size() && IsDigit(text[after])) {
            ++after;
            ++fractionDigits;
        }
        if (integerDigits > 0 || fractionDigits > 0) pos = after;
    }
    if (integerDigits == 0 && fractionDigits == 0) return {};

    const std::size_t mantissaEnd = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t after = pos + 1;
        if (after < text.size() && (text[after] == '+' || text[after] == '-')) ++after;
        const std::size_t exponentDigitsStart = after;
        while (after < text.size() && IsDigit(text[after])) ++after;
        if (after > exponentDigitsStart) pos = after;
    }

    std::string_view number = text.substr(mantissaStart, pos - mantissaStart);
    double magnitude = 0.0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    LeadingNumber result;
    if (error == std::errc::result_out_of_range) {
        // Out of range either way: decide by the decimal exponent of the first significant digit.
        long long exponent = 0;
        if (mantissaEnd < pos) {
            std::string_view exponentText = text.substr(mantissaEnd + 1, pos - mantissaEnd - 1);
            const bool exponentNegative = exponentText.front() == '-';
            if (exponentText.front() == '+' || exponentText.front() == '-')
                exponentText.remove_prefix(1);
            for (char c : exponentText) {
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000'000LL);
            }
            if (exponentNegative) exponent = -exponent;
        }
        std::string_view mantissa = text.substr(mantissaStart, mantissaEnd - mantissaStart);
        long long leadingPosition = static_cast<long long>(integerDigits) - 1;
        for (char c : mantissa) {
            if (c == '.') continue;
            if (c != '0') break;
            --leadingPosition;
        }
        result.tooLarge = leadingPosition + exponent > 0;
        magnitude = result.tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    result.value = negative ? -magnitude : magnitude;
    return result;
}

}  // namespace

std::optional<Failure> CheckNumericField(std::string_view text, Field field) {
    return CheckNumericField(text, MessagesOf(field));
}

std::optional<Failure> CheckNumericField(std::string_view text, const FieldMessages& messages) {
    if (text.empty()) return Failure{std::string(messages.missing)};
    for (char c : text) {
        if (!IsAllowedCharacter(c)) return Failure{BadValueMessage(messages.subject)};
    }
    if (ParseLeadingNumber(text).tooLarge) return Failure{BadValueMessage(messages.subject)};
    return std::nullopt;
}

double ReadFieldNumber(std::string_view text) {
    return ParseLeadingNumber(text).value;
}

std::optional<Failure> CheckFields(const FieldTexts& texts, std::span<const Field> order) {
    for (Field field : order) {
        if (auto failure = CheckNumericField(texts[field], field)) return failure;
    }
    return std::nullopt;
}

}  // namespace amp
