#include "ui/noise_window/noise_layout.h"

namespace amp::ui {
namespace {

using enum ControlKind;
using enum ControlLook;

constexpr const NoiseFigureFormat& Figure(int k) {
    return kNoiseFigureFormats[static_cast<std::size_t>(k)];
}

constexpr auto kControls = std::to_array<FormControl>({
    // The part and its figures, the supply, the temperature, the band and the level.
    {Label, "Label1", "Operazionale", 120, 165, 2280, 255},
    {ComboBox, "Combo1", "", 2460, 120, 2160, 315, 1},
    {Label, "Label2", "en", 120, 540, 2280, 255},
    {TextBox, "Text1", "", 2460, 510, 1080, 285, 2},
    {Label, "Label12", "[nV/√Hz]", 3600, 540, 1020, 255},
    {Label, "Label3", "in", 120, 915, 2280, 255},
    {TextBox, "Text2", "", 2460, 885, 1080, 285, 3},
    {Label, "Label13", "[pA/√Hz]", 3600, 915, 1020, 255},
    {Label, "Label4", "SR", 120, 1290, 2280, 255},
    {TextBox, "Text3", "", 2460, 1260, 1080, 285, 4},
    {Label, "Label14", "[V/µs]", 3600, 1290, 1020, 255},
    {Label, "Label5", "Margine", 120, 1665, 2280, 255},
    {TextBox, "Text4", "", 2460, 1635, 1080, 285, 5},
    {Label, "Label15", "[V]", 3600, 1665, 1020, 255},
    {Label, "Label6", "Alimentazione ±", 120, 2040, 2280, 255},
    {TextBox, "Text5", "", 2460, 2010, 1080, 285, 6},
    {Label, "Label16", "[V]", 3600, 2040, 1020, 255},
    {Label, "Label7", "Temperatura", 120, 2415, 2280, 255},
    {TextBox, "Text6", "", 2460, 2385, 1080, 285, 7},
    {Label, "Label17", "[°C]", 3600, 2415, 1020, 255},
    {Label, "Label8", "Banda", 120, 2790, 1200, 255},
    {Label, "Label9", "da", 1380, 2790, 1020, 255, 0, RightAligned},
    {TextBox, "Text7", "", 2460, 2760, 1080, 285, 8},
    {Label, "Label18", "[Hz]", 3600, 2790, 1020, 255},
    {Label, "Label10", "a", 1380, 3165, 1020, 255, 0, RightAligned},
    {TextBox, "Text8", "", 2460, 3135, 1080, 285, 9},
    {Label, "Label19", "[Hz]", 3600, 3165, 1020, 255},
    {Label, "Label11", "Livello di riferimento", 120, 3540, 2280, 255},
    {TextBox, "Text9", "", 2460, 3510, 1080, 285, 10},
    {Label, "Label20", "[V eff.]", 3600, 3540, 1020, 255},
    {CommandButton, "Command1", "Calcola", 120, 3960, 1500, 375, 11},
    {CommandButton, "Command2", "Usa nel progetto", 1740, 3960, 2160, 375, 12},

    // The figures, each with its name and unit; the supply flag and the note on en and in.
    {Label, "Label21", Figure(0).name, 4860, 165, 3720, 255},
    {Value, "Label31", "", 8640, 135, 1080, 285, 0, ResultValue, Figure(0).name},
    {Label, "Label41", Figure(0).unit, 9780, 165, 900, 255},
    {Label, "Label22", Figure(1).name, 4860, 510, 3720, 255},
    {Value, "Label32", "", 8640, 480, 1080, 285, 0, ResultValue, Figure(1).name},
    {Label, "Label42", Figure(1).unit, 9780, 510, 900, 255},
    {Label, "Label23", Figure(2).name, 4860, 855, 3720, 255},
    {Value, "Label33", "", 8640, 825, 1080, 285, 0, ResultValue, Figure(2).name},
    {Label, "Label43", Figure(2).unit, 9780, 855, 900, 255},
    {Label, "Label24", Figure(3).name, 4860, 1200, 3720, 255},
    {Value, "Label34", "", 8640, 1170, 1080, 285, 0, ResultValue, Figure(3).name},
    {Label, "Label44", Figure(3).unit, 9780, 1200, 900, 255},
    {Label, "Label25", Figure(4).name, 4860, 1545, 3720, 255},
    {Value, "Label35", "", 8640, 1515, 1080, 285, 0, ResultValue, Figure(4).name},
    {Label, "Label45", Figure(4).unit, 9780, 1545, 900, 255},
    {Label, "Label26", Figure(5).name, 4860, 1890, 3720, 255},
    {Value, "Label36", "", 8640, 1860, 1080, 285, 0, ResultValue, Figure(5).name},
    {Label, "Label46", Figure(5).unit, 9780, 1890, 900, 255},
    {Label, "Label27", Figure(6).name, 4860, 2235, 3720, 255},
    {Value, "Label37", "", 8640, 2205, 1080, 285, 0, ResultValue, Figure(6).name},
    {Label, "Label47", Figure(6).unit, 9780, 2235, 900, 255},
    {Label, "Label28", Figure(7).name, 4860, 2580, 3720, 255},
    {Value, "Label38", "", 8640, 2550, 1080, 285, 0, ResultValue, Figure(7).name},
    {Label, "Label48", Figure(7).unit, 9780, 2580, 900, 255},
    {Label, "Label29", Figure(8).name, 4860, 2925, 3720, 255},
    {Value, "Label39", "", 8640, 2895, 1080, 285, 0, ResultValue, Figure(8).name},
    {Label, "Label49", Figure(8).unit, 9780, 2925, 900, 255},
    {Label, "Label30", Figure(9).name, 4860, 3270, 3720, 255},
    {Value, "Label40", "", 8640, 3240, 1080, 285, 0, ResultValue, Figure(9).name},
    {Label, "Label50", Figure(9).unit, 9780, 3270, 900, 255},
    {Label, "Label51", "", 4860, 3615, 5820, 255},
    {Label, "Label52",
     "en e in sono presi come rumore bianco: i loro valori a 1 kHz valgono a ogni frequenza.", 4860,
     3900, 5820, 435, 0, WindowFont},

    // The read-out under each plot.
    {Label, "Label53", "f", 120, 9390, 300, 255, 0, RightAligned},
    {Value, "Label61", "", 480, 9390, 1290, 255, 0, Readout, "Frequenza [Hz]"},
    {Label, "Label54", "[Hz]", 1830, 9390, 600, 255},
    {Label, "Label55", "Rumore", 2520, 9390, 1200, 255, 0, RightAligned},
    {Value, "Label62", "", 3780, 9390, 1290, 255, 0, Readout, "Rumore in uscita [nV/√Hz]"},
    {Label, "Label56", "[nV/√Hz]", 5130, 9390, 1200, 255},
    {Label, "Label57", "f", 7860, 9390, 300, 255, 0, RightAligned},
    {Value, "Label63", "", 8220, 9390, 1290, 255, 0, Readout, "Frequenza [Hz]"},
    {Label, "Label58", "[Hz]", 9570, 9390, 600, 255},
    {Label, "Label59", "Uscita max.", 10260, 9390, 1200, 255, 0, RightAligned},
    {Value, "Label64", "", 11520, 9390, 1290, 255, 0, Readout,
     "Uscita massima indistorta [V picco]"},
    {Label, "Label60", "[V picco]", 12870, 9390, 1200, 255},
});

}  // namespace

std::span<const FormControl> NoiseControls() {
    return kControls;
}

constinit const NoiseRows kNoiseRows{
    RowNamed<ComboBox>(kControls, "Combo1"),
    RowNamed<Label>(kControls, "Label1"),
    {{
        {RowNamed<TextBox>(kControls, "Text1"), RowNamed<Label>(kControls, "Label2"),
         "en [nV/√Hz]"},
        {RowNamed<TextBox>(kControls, "Text2"), RowNamed<Label>(kControls, "Label3"),
         "in [pA/√Hz]"},
        {RowNamed<TextBox>(kControls, "Text3"), RowNamed<Label>(kControls, "Label4"), "SR [V/µs]"},
        {RowNamed<TextBox>(kControls, "Text4"), RowNamed<Label>(kControls, "Label5"),
         "Margine [V]"},
        {RowNamed<TextBox>(kControls, "Text5"), RowNamed<Label>(kControls, "Label6"),
         "Alimentazione ± [V]"},
        {RowNamed<TextBox>(kControls, "Text6"), RowNamed<Label>(kControls, "Label7"),
         "Temperatura [°C]"},
        {RowNamed<TextBox>(kControls, "Text7"), RowNamed<Label>(kControls, "Label9"),
         "Banda da [Hz]"},
        {RowNamed<TextBox>(kControls, "Text8"), RowNamed<Label>(kControls, "Label10"),
         "Banda a [Hz]"},
        {RowNamed<TextBox>(kControls, "Text9"), RowNamed<Label>(kControls, "Label11"),
         "Livello di riferimento [V eff.]"},
    }},
    RowNamed<CommandButton>(kControls, "Command1"),
    RowNamed<CommandButton>(kControls, "Command2"),
    NumberedRows<Value, kNoiseFigureCount>(kControls, "Label", 31),
    RowNamed<Label>(kControls, "Label51"),
    NumberedRows<Value, 4>(kControls, "Label", 61),
};

}  // namespace amp::ui
