#include "graph/plot_export.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "core/model/circuit_values.h"

namespace amp {
namespace {

constexpr std::string_view kCsvHeader = "frequenza [Hz],modulo di Vo/Vi,fase di Vo/Vi [°]\n";
// The top of range 1 ... 6 as a file name writes it.
constexpr std::array<std::string_view, 6> kRangeTops{"10Hz",  "100Hz",  "1kHz",
                                                     "10kHz", "100kHz", "1MHz"};
// Room for the longest shortest form of a double, such as "-2.2250738585072014e-308".
constexpr std::size_t kNumberRoom = 32;

}  // namespace

void AppendCsvNumber(std::string& text, double value) {
    std::array<char, kNumberRoom> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    text.append(digits.data(), written.ptr);
}

std::string PlotCsv(const Plot& plot) {
    std::string text(kCsvHeader);
    text.reserve(text.size() + static_cast<std::size_t>(CurvePointCount(plot)) * 3 * kNumberRoom);
    for (int i = 0; i < CurvePointCount(plot); ++i) {
        // The same frequencies the sweep evaluated the samples at.
        AppendCsvNumber(text, SweepFrequency(plot.RangeIndex, i, plot.N));
        text += ',';
        AppendCsvNumber(text, plot.ModulusSweep[i]);
        text += ',';
        AppendCsvNumber(text, plot.PhaseSweep[i]);
        text += '\n';
    }
    return text;
}

std::string ExportFileName(std::string_view stem, int rangeIndex, std::chrono::year_month_day date,
                           std::string_view extension) {
    std::array<char, 16> day{};
    std::snprintf(day.data(), day.size(), "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    std::string name(stem);
    name += "-1Hz-";
    name += kRangeTops.at(static_cast<std::size_t>(rangeIndex - 1));
    name += '-';
    name += day.data();
    name += '.';
    name += extension;
    return name;
}

}  // namespace amp
