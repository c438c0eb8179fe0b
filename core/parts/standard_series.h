#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace amp {

// The IEC 60063 preferred-number series that resistors and capacitors are sold in.
enum class StandardSeries { E6, E12, E24, E48, E96, E192 };

// Smallest first: a value of a series is also in every later series of the same family.
inline constexpr std::array<StandardSeries, 6> kStandardSeries{
    StandardSeries::E6,  StandardSeries::E12, StandardSeries::E24,
    StandardSeries::E48, StandardSeries::E96, StandardSeries::E192,
};

// "E6" ... "E192".
std::string_view SeriesName(StandardSeries series);

// The values of one decade, 1.00 up to below 10, as three significant digits: 1.0 is 100,
// 9.1 is 910. As the standard lists them, not as the rounded powers of ten.
std::span<const int> SeriesSignificands(StandardSeries series);

// The series value times a power of ten nearest to the value by ratio (the smallest
// |log(candidate / value)|); a tie goes to the larger. The result is the double that its text in
// the form "0.00E+00" reads back to, so that it survives being written into a box. Nothing for a
// value that is zero, negative or not finite, or so near the ends of the range of doubles that a
// neighbour in the series is no normal double.
std::optional<double> Nearest(double value, StandardSeries series);

// The smallest of E6 ... E192 that holds the value exactly; nothing when none does.
std::optional<StandardSeries> SmallestSeriesHolding(double value);

}  // namespace amp
