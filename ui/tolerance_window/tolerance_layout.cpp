#include "ui/tolerance_window/tolerance_layout.h"

namespace amp::ui {
namespace {

using enum ControlKind;
using enum ControlLook;

constexpr auto kControls = std::to_array<FormControl>({
    // How the trials are drawn.
    {Label, "Label1", "Tolleranza resistori", 120, 165, 2280, 255},
    {TextBox, "Text1", "1", 2460, 135, 900, 285, 1},
    {Label, "Label2", "%", 3420, 165, 300, 255},
    {Label, "Label3", "Tolleranza condensatori", 120, 525, 2280, 255},
    {TextBox, "Text2", "10", 2460, 495, 900, 285, 2},
    {Label, "Label4", "%", 3420, 525, 300, 255},
    {Label, "Label5", "Tolleranza Avo", 120, 885, 2280, 255},
    {TextBox, "Text3", "0", 2460, 855, 900, 285, 3},
    {Label, "Label6", "%", 3420, 885, 300, 255},
    {Label, "Label7", "Tolleranza fc", 120, 1245, 2280, 255},
    {TextBox, "Text4", "0", 2460, 1215, 900, 285, 4},
    {Label, "Label8", "%", 3420, 1245, 300, 255},
    {Label, "Label9", "Distribuzione", 3960, 165, 1800, 255},
    {OptionButton, "Option1", "uniforme", 3960, 465, 3300, 285, 5},
    {OptionButton, "Option2", "normale (tolleranza = 3 sigma)", 3960, 795, 3300, 285, 6},
    {Label, "Label10", "Numero di prove", 3960, 1245, 1680, 255},
    {TextBox, "Text5", "1000", 5700, 1215, 1500, 285, 7},
    {Label, "Label11", "Seme", 120, 1665, 2280, 255},
    {TextBox, "Text6", "", 2460, 1635, 1500, 285, 8},
    {CommandButton, "Command2", "Nuovo seme", 4080, 1590, 1620, 375, 9},
    {CommandButton, "Command1", "Calcola", 120, 2070, 1500, 375, 10},
    {CommandButton, "Command3", "Interrompi", 1740, 2070, 1500, 375, 11},

    // The statistics of the five figures.
    {Label, "Label13", "nominale", 9540, 165, 960, 255, 0, RightAligned},
    {Label, "Label14", "minimo", 10515, 165, 960, 255, 0, RightAligned},
    {Label, "Label15", "5 %", 11490, 165, 960, 255, 0, RightAligned},
    {Label, "Label16", "mediana", 12465, 165, 960, 255, 0, RightAligned},
    {Label, "Label17", "95 %", 13440, 165, 960, 255, 0, RightAligned},
    {Label, "Label18", "massimo", 14415, 165, 960, 255, 0, RightAligned},
    {Label, "Label19", "fi effettiva [Hz]", 7440, 510, 2040, 255},
    {Value, "Label30", "", 9540, 495, 960, 285, 0, ResultValue, "fi effettiva, nominale"},
    {Value, "Label31", "", 10515, 495, 960, 285, 0, ResultValue, "fi effettiva, minimo"},
    {Value, "Label32", "", 11490, 495, 960, 285, 0, ResultValue, "fi effettiva, 5 %"},
    {Value, "Label33", "", 12465, 495, 960, 285, 0, ResultValue, "fi effettiva, mediana"},
    {Value, "Label34", "", 13440, 495, 960, 285, 0, ResultValue, "fi effettiva, 95 %"},
    {Value, "Label35", "", 14415, 495, 960, 285, 0, ResultValue, "fi effettiva, massimo"},
    {Label, "Label20", "fs effettiva [Hz]", 7440, 840, 2040, 255},
    {Value, "Label36", "", 9540, 825, 960, 285, 0, ResultValue, "fs effettiva, nominale"},
    {Value, "Label37", "", 10515, 825, 960, 285, 0, ResultValue, "fs effettiva, minimo"},
    {Value, "Label38", "", 11490, 825, 960, 285, 0, ResultValue, "fs effettiva, 5 %"},
    {Value, "Label39", "", 12465, 825, 960, 285, 0, ResultValue, "fs effettiva, mediana"},
    {Value, "Label40", "", 13440, 825, 960, 285, 0, ResultValue, "fs effettiva, 95 %"},
    {Value, "Label41", "", 14415, 825, 960, 285, 0, ResultValue, "fs effettiva, massimo"},
    {Label, "Label21", "|Vo/Vi| massimo", 7440, 1170, 2040, 255},
    {Value, "Label42", "", 9540, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, nominale"},
    {Value, "Label43", "", 10515, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, minimo"},
    {Value, "Label44", "", 11490, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, 5 %"},
    {Value, "Label45", "", 12465, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, mediana"},
    {Value, "Label46", "", 13440, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, 95 %"},
    {Value, "Label47", "", 14415, 1155, 960, 285, 0, ResultValue, "|Vo/Vi| massimo, massimo"},
    {Label, "Label22", "|Vo/Vi| a f", 7440, 1500, 2040, 255},
    {Value, "Label48", "", 9540, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, nominale"},
    {Value, "Label49", "", 10515, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, minimo"},
    {Value, "Label50", "", 11490, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, 5 %"},
    {Value, "Label51", "", 12465, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, mediana"},
    {Value, "Label52", "", 13440, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, 95 %"},
    {Value, "Label53", "", 14415, 1485, 960, 285, 0, ResultValue, "|Vo/Vi| a f, massimo"},
    {Label, "Label23", "Fase a f [°]", 7440, 1830, 2040, 255},
    {Value, "Label54", "", 9540, 1815, 960, 285, 0, ResultValue, "Fase a f, nominale"},
    {Value, "Label55", "", 10515, 1815, 960, 285, 0, ResultValue, "Fase a f, minimo"},
    {Value, "Label56", "", 11490, 1815, 960, 285, 0, ResultValue, "Fase a f, 5 %"},
    {Value, "Label57", "", 12465, 1815, 960, 285, 0, ResultValue, "Fase a f, mediana"},
    {Value, "Label58", "", 13440, 1815, 960, 285, 0, ResultValue, "Fase a f, 95 %"},
    {Value, "Label59", "", 14415, 1815, 960, 285, 0, ResultValue, "Fase a f, massimo"},
    {Label, "Label12", "", 7440, 2160, 7935, 255, 0, WindowFont},

    // The read-out beside the plot area.
    {Label, "Label60", "f", 12540, 2700, 840, 255, 0, RightAligned},
    {Value, "Label66", "", 13440, 2670, 1290, 255, 0, Readout, "Frequenza [Hz]"},
    {Label, "Label72", "[Hz]", 14790, 2700, 600, 255},
    {Label, "Label61", "max", 12540, 3060, 840, 255, 0, RightAligned},
    {Value, "Label67", "", 13440, 3030, 1290, 255, 0, Readout, "Massimo di |Vo/Vi|"},
    {Label, "Label62", "95 %", 12540, 3420, 840, 255, 0, RightAligned},
    {Value, "Label68", "", 13440, 3390, 1290, 255, 0, Readout, "95 % di |Vo/Vi|"},
    {Label, "Label63", "nominale", 12540, 3780, 840, 255, 0, RightAligned},
    {Value, "Label69", "", 13440, 3750, 1290, 255, 0, Readout, "|Vo/Vi| nominale"},
    {Label, "Label64", "5 %", 12540, 4140, 840, 255, 0, RightAligned},
    {Value, "Label70", "", 13440, 4110, 1290, 255, 0, Readout, "5 % di |Vo/Vi|"},
    {Label, "Label65", "min", 12540, 4500, 840, 255, 0, RightAligned},
    {Value, "Label71", "", 13440, 4470, 1290, 255, 0, Readout, "Minimo di |Vo/Vi|"},
});

constexpr auto kStatisticValues =
    NumberedRows<Value, kToleranceFigureCount * kStatisticsColumnCount>(kControls, "Label", 30);

constexpr std::array<std::array<ControlRow<Value>, kStatisticsColumnCount>, kToleranceFigureCount>
StatisticRows() {
    std::array<std::array<ControlRow<Value>, kStatisticsColumnCount>, kToleranceFigureCount> rows{};
    for (int figure = 0; figure < kToleranceFigureCount; ++figure) {
        for (int column = 0; column < kStatisticsColumnCount; ++column) {
            rows[figure][column] = kStatisticValues[figure * kStatisticsColumnCount + column];
        }
    }
    return rows;
}

}  // namespace

std::span<const FormControl> ToleranceControls() {
    return kControls;
}

constinit const ToleranceRows kToleranceRows{
    NumberedRows<TextBox, 4>(kControls, "Text", 1),
    RowNamed<TextBox>(kControls, "Text5"),
    RowNamed<TextBox>(kControls, "Text6"),
    RowNamed<OptionButton>(kControls, "Option1"),
    RowNamed<OptionButton>(kControls, "Option2"),
    RowNamed<CommandButton>(kControls, "Command1"),
    RowNamed<CommandButton>(kControls, "Command2"),
    RowNamed<CommandButton>(kControls, "Command3"),
    StatisticRows(),
    RowNamed<Label>(kControls, "Label12"),
    NumberedRows<Value, 6>(kControls, "Label", 66),
};

}  // namespace amp::ui
