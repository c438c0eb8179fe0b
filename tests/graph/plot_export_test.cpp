#include "graph/plot_export.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <vector>

#include "core/model/circuit_values.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::uint64_t BitsOf(std::string_view number) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    EXPECT_TRUE(error == std::errc() && end == number.data() + number.size()) << number;
    return std::bit_cast<std::uint64_t>(value);
}

TEST(PlotCsv, ReadsBackToTheSamplesOfTheCurvesBitForBit) {
    // Captions with a comma do not reach the file.
    const Plot plot = std::get<Plot>(PlotResponse(test_support::ReferenceInputs(20000), 6, ","));
    const std::string csv = PlotCsv(plot);
    EXPECT_EQ(csv.find('\r'), std::string::npos);
    const std::vector<std::string_view> lines = Split(csv, '\n');
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(CurvePointCount(plot)) + 2);
    EXPECT_EQ(lines.front(), "frequenza [Hz],modulo di Vo/Vi,fase di Vo/Vi [°]");
    EXPECT_EQ(lines.back(), "");  // the last line ends too
    EXPECT_TRUE(lines[1].starts_with("1,"));
    for (int i = 0; i < CurvePointCount(plot); ++i) {
        const std::vector<std::string_view> fields = Split(lines[i + 1], ',');
        ASSERT_EQ(fields.size(), 3u) << lines[i + 1];
        EXPECT_EQ(BitsOf(fields[0]), std::bit_cast<std::uint64_t>(SweepFrequency(6, i, plot.N)));
        EXPECT_EQ(BitsOf(fields[1]), std::bit_cast<std::uint64_t>(plot.ModulusSweep[i]));
        EXPECT_EQ(BitsOf(fields[2]), std::bit_cast<std::uint64_t>(plot.PhaseSweep[i]));
    }
}

TEST(ExportFileName, NamesTheRangeAndTheDate) {
    using std::chrono::year;
    EXPECT_EQ(ExportFileName("grafico", 6, year(2026) / 12 / 9, "png"),
              "grafico-1Hz-1MHz-2026-12-09.png");
    EXPECT_EQ(ExportFileName("dati", 1, year(2027) / 1 / 15, "csv"),
              "dati-1Hz-10Hz-2027-01-15.csv");
    EXPECT_EQ(ExportFileName("grafico", 3, year(2026) / 7 / 1, "svg"),
              "grafico-1Hz-1kHz-2026-07-01.svg");
}

}  // namespace
}  // namespace amp
