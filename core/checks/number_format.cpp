#include "core/checks/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace amp {
namespace {

// Room for the 309 integer digits of the largest double and the decimals.
constexpr std::size_t kBufferSize = 400;

std::string ToChars(double value, std::chars_format format, int precision) {
    std::array<char, kBufferSize> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

bool IsNegativeZeroText(std::string_view text) {
    if (text.empty() || text.front() != '-') return false;
    return text.find_first_not_of("0.", 1) == std::string_view::npos;
}

std::string WithSeparator(std::string text, std::string_view decimalSeparator) {
    const auto point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, decimalSeparator);
    return text;
}

}  // namespace

std::string FormatShortestPlain(double value) {
    std::array<char, kBufferSize> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

std::string FormatScientific(double value) {
    if (value == 0.0) value = 0.0;  // no "-0.00E+00"
    std::string text = ToChars(value, std::chars_format::scientific, 2);
    const auto exponent = text.find('e');
    if (exponent != std::string::npos) text[exponent] = 'E';
    return text;
}

std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator) {
    std::string text = ToChars(value, std::chars_format::fixed, decimals);
    if (IsNegativeZeroText(text)) text.erase(0, 1);
    return WithSeparator(std::move(text), decimalSeparator);
}

std::string FormatTrimmed(double value, std::string_view decimalSeparator) {
    std::string text = ToChars(value, std::chars_format::fixed, 2);
    if (IsNegativeZeroText(text)) text.erase(0, 1);
    const auto point = text.find('.');
    if (point != std::string::npos) {
        const auto lastKept = text.find_last_not_of('0');
        text.erase(lastKept == point ? point : lastKept + 1);
    }
    return WithSeparator(std::move(text), decimalSeparator);
}

std::optional<double> ParseCaption(std::string_view caption, std::string_view decimalSeparator) {
    std::string text(caption);
    if (!decimalSeparator.empty()) {
        const auto separator = text.find(decimalSeparator);
        if (separator != std::string::npos) text.replace(separator, decimalSeparator.size(), ".");
    }
    std::size_t start = 0;
    if (!text.empty() && text.front() == '+') start = 1;
    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc{} || end != last || first == last) return std::nullopt;
    return value;
}

std::optional<std::string> ExponentForm(std::string_view caption,
                                        std::string_view decimalSeparator) {
    const std::optional<double> value = ParseCaption(caption, decimalSeparator);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return WithSeparator(FormatScientific(*value), decimalSeparator);
}

}  // namespace amp
