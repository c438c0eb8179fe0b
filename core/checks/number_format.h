#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amp {

// "0.00E+00" with a point: one digit, two rounded decimals, signed exponent of two digits or more.
std::string FormatScientific(double value);

// "0", "0.0", "0.00" ... with the given decimal separator, rounded to nearest on the exact value;
// a value that rounds to zero shows without a sign.
std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator);

// Rounded to two decimals and written as plain decimal text without trailing zeros
// (0.126 -> "0.13", 2.5 -> "2.5", 5 -> "5"); never scientific notation.
std::string FormatTrimmed(double value, std::string_view decimalSeparator);

// The shortest plain decimal text with a point that reads back as the value: 0.003, 18,
// 10000000; never scientific notation, which a box would read but a user would not type.
std::string FormatShortestPlain(double value);

// The value of a caption written with the given separator, in the form "0.00E+00" (three
// significant digits) with that separator, for a caption too long to show whole; nothing when the
// caption is no plain decimal number.
std::optional<std::string> ExponentForm(std::string_view caption,
                                        std::string_view decimalSeparator);

// The number in a caption written with the given separator, such as "0,91"; nothing when the
// caption is no plain decimal number.
std::optional<double> ParseCaption(std::string_view caption, std::string_view decimalSeparator);

}  // namespace amp
