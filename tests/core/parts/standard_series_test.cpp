#include "core/parts/standard_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <vector>

#include "core/checks/field_check.h"
#include "core/checks/number_format.h"

namespace amp {
namespace {

// significand x 10^(exponent - 2) as "0.00E+00" writes it: 910 and -12 give "9.10E-12".
std::string Written(int significand, int exponent) {
    if (significand == 1000) return Written(100, exponent + 1);
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02dE%+03d", significand / 100, significand % 100,
                  exponent);
    return text;
}

// The standard lists each series' values as the powers of ten 10^(i/n) rounded to two (up to
// E24) or three digits, except where it keeps other values. A typo in a table breaks this.
TEST(StandardSeries, TablesAreTheRoundedPowersOfTenSaveTheStandardsOwnValues) {
    const std::vector<std::pair<StandardSeries, std::set<int>>> kept{
        {StandardSeries::E6, {330, 470}},
        {StandardSeries::E12, {270, 330, 390, 470, 820}},
        {StandardSeries::E24, {270, 300, 330, 360, 390, 430, 470, 820}},
        {StandardSeries::E48, {}},
        {StandardSeries::E96, {}},
        {StandardSeries::E192, {920}},
    };
    for (const auto& [series, exceptions] : kept) {
        const std::span<const int> values = SeriesSignificands(series);
        const int n = static_cast<int>(values.size());
        EXPECT_EQ(SeriesName(series), "E" + std::to_string(n));
        const int step = n <= 24 ? 10 : 1;
        std::set<int> differing;
        for (int i = 0; i < n; ++i) {
            const double power = std::pow(10.0, static_cast<double>(i) / n) * 100.0 / step;
            if (values[i] != static_cast<int>(std::lround(power)) * step)
                differing.insert(values[i]);
        }
        EXPECT_EQ(differing, exceptions) << SeriesName(series);
    }
}

// Just below the geometric midpoint of two neighbours the lower one is nearer by ratio, just
// above it the upper one; on it, to rounding, the tie goes to the upper one. In every series,
// decade 1 and decades far from it, and each result is exactly what its text reads back to.
TEST(Nearest, GeometricMidpointsSplitNeighboursAndTiesGoUp) {
    constexpr double kStep = 1e-9;
    for (StandardSeries series : kStandardSeries) {
        std::vector<int> values(SeriesSignificands(series).begin(),
                                SeriesSignificands(series).end());
        values.push_back(1000);
        for (int exponent : {-12, 0, 9}) {
            for (std::size_t i = 0; i + 1 < values.size(); ++i) {
                const double scale = std::pow(10.0, exponent - 2);
                const double midpoint = std::sqrt(double(values[i]) * values[i + 1]) * scale;
                const std::string lower = Written(values[i], exponent);
                const std::string upper = Written(values[i + 1], exponent);
                for (const auto& [value, expected] :
                     {std::pair{midpoint * (1 - kStep), lower}, std::pair{midpoint, upper},
                      std::pair{midpoint * (1 + kStep), upper}}) {
                    const std::optional<double> nearest = Nearest(value, series);
                    ASSERT_TRUE(nearest) << value;
                    EXPECT_EQ(FormatScientific(*nearest), expected)
                        << SeriesName(series) << " " << value;
                    EXPECT_EQ(ReadFieldNumber(expected), *nearest) << expected;
                }
            }
        }
    }
}

TEST(Nearest, RefusesValuesWithoutAStandardValue) {
    for (double value :
         {0.0, -0.0, -4.7, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::max()}) {
        EXPECT_FALSE(Nearest(value, StandardSeries::E24)) << value;
    }
}

TEST(SmallestSeriesHolding, NamesTheFirstSeriesWithTheExactValue) {
    const std::vector<std::pair<double, std::string_view>> cases{
        {1.0, "E6"},     {4.7e3, "E6"}, {1.2e-9, "E12"}, {9.1, "E24"}, {1.21, "E48"}, {1.02, "E96"},
        {9.2e5, "E192"}, {9.19, ""},    {93.5, ""},      {0.0, ""},    {-4.7, ""},
    };
    for (const auto& [value, name] : cases) {
        const std::optional<StandardSeries> series = SmallestSeriesHolding(value);
        EXPECT_EQ(series ? SeriesName(*series) : "", name) << value;
    }
}

}  // namespace
}  // namespace amp
