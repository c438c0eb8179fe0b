#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "graph/plot.h"

namespace amp {

// The samples a plot's curves are drawn from (0 ... N + 1) as CSV text: a header line, then one
// line per sample with its frequency in Hz, the modulus and the phase in degrees. Every number
// has a point as decimal separator and is written in the shortest form that reads back to the
// same double; lines end in LF.
std::string PlotCsv(const Plot& plot);

// Appends a number in the shortest form that reads back to the same double, with a point.
void AppendCsvNumber(std::string& text, double value);

// A file name for what is saved of a plot, with its range and the date:
// "grafico-1Hz-1MHz-2026-12-09.png".
std::string ExportFileName(std::string_view stem, int rangeIndex, std::chrono::year_month_day date,
                           std::string_view extension);

}  // namespace amp
