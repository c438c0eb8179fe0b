#pragma once

#include <array>
#include <span>

#include "core/checks/field.h"
#include "core/design/design.h"
#include "ui/forms/form_control.h"

namespace amp::ui {

// Form1's client area and its initial position on the screen, in twips.
inline constexpr int kForm1Left = 165;
inline constexpr int kForm1Top = 1815;
inline constexpr int kForm1ClientWidth = 14940;
inline constexpr int kForm1ClientHeight = 7695;

// Every control of Form1, as designed.
std::span<const FormControl> Form1Controls();

// The rows of the controls that the window reads, writes and connects.
struct Form1Rows {
    // Text1 ... Text21, the box of each design field by its number.
    std::array<ControlRow<ControlKind::TextBox>, kFieldCount> boxes;
    // Option2 ... Option7, the options of range 1 ... 6.
    std::array<ControlRow<ControlKind::OptionButton>, kRangeCount> rangeOptions;
    // Label40, Label44, Label47, Label48.
    ControlRow<ControlKind::Value> modulus, phase, lowerCutoff, upperCutoff;
    // Command1 ... Command6.
    ControlRow<ControlKind::CommandButton> sizing, clearAll, exit, graph, evaluation, exampleData;
};
extern const Form1Rows kForm1Rows;

}  // namespace amp::ui
