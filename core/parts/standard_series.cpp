#include "core/parts/standard_series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace amp {
namespace {

// The tables of IEC 60063, typed in: E24 keeps its classic values (2.7, 3.0, 3.3, 3.6, 3.9, 4.3,
// 4.7 and 8.2 are not the rounded powers of ten), E192 its 9.20.
constexpr std::array<int, 6> kE6{100, 150, 220, 330, 470, 680};

constexpr std::array<int, 12> kE12{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};

constexpr std::array<int, 24> kE24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                   330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};

constexpr std::array<int, 48> kE48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                   178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                   316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                   562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};

constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

// The first value of the next decade, in the same three digits.
constexpr int kNextDecade = 1000;

// Distances by ratio to the two neighbours that differ by no more than this are a tie. No decimal
// lies exactly on the geometric midpoint of two neighbours (their product is never a square), so
// only rounding makes a tie, and the same value in another unit must still give the same part.
constexpr double kTieTolerance = 1e-12;

// significand x 10^(exponent - 2), as the double its decimal text reads back to; nothing when
// that is no normal double.
std::optional<double> DecimalValue(int significand, int exponent) {
    const std::string text = std::to_string(significand) + 'E' + std::to_string(exponent - 2);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || !std::isnormal(value)) return std::nullopt;
    return value;
}

}  // namespace

std::string_view SeriesName(StandardSeries series) {
    constexpr std::array<std::string_view, kStandardSeries.size()> kNames{"E6",  "E12", "E24",
                                                                          "E48", "E96", "E192"};
    return kNames[static_cast<std::size_t>(series)];
}

std::span<const int> SeriesSignificands(StandardSeries series) {
    switch (series) {
        case StandardSeries::E6:
            return kE6;
        case StandardSeries::E12:
            return kE12;
        case StandardSeries::E24:
            return kE24;
        case StandardSeries::E48:
            return kE48;
        case StandardSeries::E96:
            return kE96;
        case StandardSeries::E192:
            break;
    }
    return kE192;
}

std::optional<double> Nearest(double value, StandardSeries series) {
    if (!(value > 0.0) || !std::isfinite(value)) return std::nullopt;
    // The value's place in its decade, 100 up to 1000. Its rounding can put it on the wrong side
    // of a series value only when it lies within rounding of that value, which then is one of the
    // two neighbours and the nearest.
    const double exponentOfValue = std::log10(value);
    const int exponent = static_cast<int>(std::floor(exponentOfValue));
    const double place = 100.0 * std::pow(10.0, exponentOfValue - exponent);

    const std::span<const int> decade = SeriesSignificands(series);
    const auto above = std::upper_bound(decade.begin(), decade.end(), place);
    const std::optional<double> lower = above == decade.begin()
                                            ? DecimalValue(decade.back(), exponent - 1)
                                            : DecimalValue(*(above - 1), exponent);
    const std::optional<double> upper = above == decade.end() ? DecimalValue(kNextDecade, exponent)
                                                              : DecimalValue(*above, exponent);
    if (!lower || !upper) return std::nullopt;
    const double toLower = std::fabs(std::log(value / *lower));
    const double toUpper = std::fabs(std::log(*upper / value));
    if (std::fabs(toUpper - toLower) <= kTieTolerance) return upper;
    return toUpper < toLower ? upper : lower;
}

std::optional<StandardSeries> SmallestSeriesHolding(double value) {
    for (StandardSeries series : kStandardSeries) {
        if (Nearest(value, series) == value) return series;
    }
    return std::nullopt;
}

}  // namespace amp
