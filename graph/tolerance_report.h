#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/tolerance/tolerance_analysis.h"

namespace amp {

// The name of a figure as the statistics table and its CSV show it ("fi effettiva [Hz]").
std::string_view FigureName(ToleranceFigure figure);

// The columns of the statistics table: the nominal design's value, then the trials' minimum,
// 5 %, median, 95 % and maximum.
inline constexpr int kStatisticsColumnCount = 6;
using StatisticsRow = std::array<std::string, kStatisticsColumnCount>;

// The table's captions, a row per figure in ToleranceFigure's order, in the main window's caption
// formats ("0.0" for fi, "0" for fs, "0.00" for moduli and phases) with the given separator.
std::array<StatisticsRow, kToleranceFigureCount> StatisticsCaptions(
    const ToleranceResult& result, std::string_view decimalSeparator);

// What the window says of the band's percentiles: their resolution in per cent.
std::string BandResolutionCaption(double resolution, std::string_view decimalSeparator);

// The statistics as CSV text: a header, then a line per figure with its name and the six values.
// Numbers have a point as decimal separator and the shortest form that reads back to the same
// double; lines end in LF.
std::string StatisticsCsv(const ToleranceResult& result);

// The band as CSV text the same way: a line per sample with its frequency in Hz, the nominal
// modulus, the minimum, the 5th and 95th percentiles and the maximum.
std::string BandCsv(const ToleranceResult& result);

}  // namespace amp
