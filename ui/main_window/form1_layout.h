#pragma once

#include <span>

#include "ui/forms/form_control.h"

namespace amp::ui {

// Form1's client area and its initial position on the screen, in twips.
inline constexpr int kForm1Left = 165;
inline constexpr int kForm1Top = 1815;
inline constexpr int kForm1ClientWidth = 14940;
inline constexpr int kForm1ClientHeight = 7695;

// Every control of Form1, as designed.
std::span<const FormControl> Form1Controls();

}  // namespace amp::ui
