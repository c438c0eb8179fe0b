#pragma once

#include <string_view>

namespace amp::ui {

enum class ControlKind { TextBox, Label, OptionButton, CommandButton, Schematic };

// The looks the windows give their controls beyond the plain control font.
enum class ControlLook {
    Standard,
    WindowFont,    // no font of its own: the window's default font
    RightAligned,  // a caption standing left of the value it names
    ResultValue,   // white, single-line border, right-aligned
    Credits,       // "Arial" bold, single-line border, teal
    AlarmButton,   // red background
};

// One control of a form as designed: geometry in twips relative to the client area, the caption
// (or the initial text of a text box) and its place in the keyboard focus order.
struct FormControl {
    ControlKind kind;
    std::string_view name;
    std::string_view caption;
    int left;
    int top;
    int width;
    int height;
    int tab = 0;  // 0: never takes focus
    ControlLook look = ControlLook::Standard;
};

}  // namespace amp::ui
