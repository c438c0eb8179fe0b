#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "ui/calculator.h"

namespace amp::ui::monkey {

// Everything an action of the calculator may change, one entry per control: Form1's 21 boxes,
// its four result labels and its range choice, then for each of the six graph windows whether
// it exists and is shown, its option buttons and the text and visibility of each of its labels.
QStringList CalculatorState(Calculator& calculator);

// The first entry in which two states differ, for a report.
std::string FirstDifference(const QStringList& before, const QStringList& after);

// A result label of Form1 or any label of a graph window that shows "nan", "inf" or a signed
// zero.
std::optional<std::string> ShownCaptionDefect(Calculator& calculator, std::string_view separator);

}  // namespace amp::ui::monkey
