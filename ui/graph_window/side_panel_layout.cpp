#include "ui/graph_window/side_panel_layout.h"

namespace amp::ui {
namespace {

using enum ControlKind;
using enum ControlLook;

// Positions of Form2; the other windows place the panel the same. The option buttons are wider
// than designed because Qt's do not wrap their captions.
constexpr auto kControls = std::to_array<FormControl>({
    {OptionButton, "Option1", "Valori del  Modulo", 12750, 540, 1950, 585, 1},
    {Label, "Label22", "f", 12750, 1320, 225, 225},
    {Value, "Label18", "", 13050, 1290, 1215, 255, 0, Readout, "Frequenza [Hz]"},
    {Label, "Label23", "[Hz]", 14400, 1290, 345, 255},
    {Label, "Label24", "|Vo/Vi|", 12420, 1650, 615, 255},
    {Value, "Label19", "", 13050, 1650, 1215, 255, 0, Readout, "Modulo di Vo/Vi"},

    {OptionButton, "Option2", "Valori della Fase", 12780, 2040, 1950, 615, 2},
    {Label, "Label25", "f", 12720, 2820, 225, 225},
    {Value, "Label20", "", 13050, 2790, 1245, 255, 0, Readout, "Frequenza [Hz]"},
    {Label, "Label26", "[Hz]", 14400, 2790, 345, 255},
    // The "Symbol" font's "F" is the Greek capital phi; the character itself needs no such font.
    {Label, "Label27", "Φ", 12630, 3150, 375, 255},
    {Value, "Label21", "", 13050, 3150, 1245, 255, 0, PhaseReadout, "Fase di Vo/Vi [°]"},
    {Label, "Label28", "[°]", 14370, 3150, 405, 255},

    {Line, "Line8", "", 12450, 4020, 13170 - 12450, 0, 0, PhaseLegend},
    {Label, "Label15", "fase G(f)", 13260, 3900, 795, 225, 0, WindowFont},
    {Line, "Line22", "", 12480, 4620, 13170 - 12480, 0, 0, ModulusLegend},
    {Label, "Label16", "moduloG(f)", 13290, 4500, 915, 255, 0, WindowFont},

    {CommandButton, "Command1", "Chiudi", 12540, 5040, 975, 285, 3, LargeButton},
});

}  // namespace

std::span<const FormControl> SidePanelControls() {
    return kControls;
}

constinit const SidePanelRows kSidePanelRows{
    RowNamed<OptionButton>(kControls, "Option1"),
    RowNamed<Value>(kControls, "Label18"),
    RowNamed<Value>(kControls, "Label19"),
    RowNamed<Value>(kControls, "Label20"),
    RowNamed<Value>(kControls, "Label21"),
    {RowNamed<Label>(kControls, "Label22"), RowNamed<Label>(kControls, "Label23"),
     RowNamed<Label>(kControls, "Label24")},
    {RowNamed<Label>(kControls, "Label25"), RowNamed<Label>(kControls, "Label26"),
     RowNamed<Label>(kControls, "Label27"), RowNamed<Label>(kControls, "Label28")},
    RowNamed<CommandButton>(kControls, "Command1"),
};

}  // namespace amp::ui
