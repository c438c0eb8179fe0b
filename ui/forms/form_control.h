#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace amp::ui {

// A Value is a label whose caption a calculation writes; a Picture is a widget the form makes; a
// ComboBox is a list to choose from, whose entries the window fills in.
enum class ControlKind {
    TextBox,
    Label,
    Value,
    OptionButton,
    CommandButton,
    Picture,
    Line,
    ComboBox
};

// The looks the windows give their controls beyond the plain control font.
enum class ControlLook {
    Standard,
    WindowFont,     // no font of its own: the window's default font
    RightAligned,   // a caption standing left of the value it names
    ResultValue,    // white, single-line border, right-aligned
    Readout,        // white, single black line, right-aligned, the window's default font
    PhaseReadout,   // a readout in the red of the phase curve
    Credits,        // "Arial" bold, single-line border, teal
    AlarmButton,    // red background
    LargeButton,    // "MS Sans Serif" 9.75 point bold
    PhaseLegend,    // a red line two pixels wide
    ModulusLegend,  // a black line two pixels wide
};

// One control of a form as designed: geometry in twips relative to the client area, the caption
// (or the initial text of a text box), its place in the keyboard focus order and, for a value,
// the quantity it shows, which a screen reader says beside the value. A line runs from
// (left, top) to the right over its width; its height is 0.
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
    std::string_view description = {};
};

// A row of a form's table, typed by the kind of control the builder makes of it.
template <ControlKind Kind>
struct ControlRow {
    std::size_t index;
};

// The row of the named control, found while the program is compiled: a name that the table does
// not hold, or holds as another kind of control, does not compile.
template <ControlKind Kind, std::size_t N>
consteval ControlRow<Kind> RowNamed(const std::array<FormControl, N>& table,
                                    std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].name != name) continue;
        if (table[i].kind != Kind) throw "the control is of another kind";
        return {i};
    }
    throw "the table has no control of that name";
}

// The rows of the numbered controls prefix + first ... prefix + (first + Count - 1), such as
// Text1 ... Text21, in the order of their numbers.
template <ControlKind Kind, std::size_t Count, std::size_t N>
consteval std::array<ControlRow<Kind>, Count> NumberedRows(const std::array<FormControl, N>& table,
                                                           std::string_view prefix, int first) {
    std::array<ControlRow<Kind>, Count> rows{};
    for (std::size_t k = 0; k < Count; ++k) {
        const int number = first + static_cast<int>(k);
        char digits[12]{};
        int length = 0;
        for (int rest = number; rest > 0; rest /= 10) digits[length++] = char('0' + rest % 10);
        char name[32]{};
        std::size_t at = 0;
        for (char c : prefix) name[at++] = c;
        while (length > 0) name[at++] = digits[--length];
        rows[k] = RowNamed<Kind>(table, std::string_view(name, at));
    }
    return rows;
}

}  // namespace amp::ui
