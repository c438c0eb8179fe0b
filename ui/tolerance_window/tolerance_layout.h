#pragma once

#include <array>
#include <span>

#include "core/tolerance/trial_sweep.h"
#include "graph/tolerance_report.h"
#include "ui/forms/form_control.h"

namespace amp::ui {

// FormTolleranze's client area, in twips: the fields and the statistics above, the plot area of
// the graph windows below with the read-out beside it.
inline constexpr int kToleranceClientWidth = 15480;
inline constexpr int kToleranceClientHeight = 11145;
inline constexpr int kTolerancePlotLeft = 120;
inline constexpr int kTolerancePlotTop = 2580;
// The progress bar of a long run, beside its "Interrompi" button.
inline constexpr int kProgressLeft = 3360;
inline constexpr int kProgressTop = 2115;
inline constexpr int kProgressWidth = 3840;
inline constexpr int kProgressHeight = 285;
// The legend of the plot, under the read-out.
inline constexpr int kLegendLeft = 12540;
inline constexpr int kLegendTop = 5040;
inline constexpr int kLegendWidth = 2820;
inline constexpr int kLegendHeight = 1380;

// Every control of FormTolleranze built from a table, as designed.
std::span<const FormControl> ToleranceControls();

// The rows of the controls that the window reads, writes and connects.
struct ToleranceRows {
    // Text1 ... Text4: the tolerances of resistors, capacitors, Avo and fc in per cent.
    std::array<ControlRow<ControlKind::TextBox>, 4> tolerances;
    // Text5, Text6.
    ControlRow<ControlKind::TextBox> trials, seed;
    // Option1 "uniforme", Option2 "normale".
    ControlRow<ControlKind::OptionButton> uniform, normal;
    // Command1 "Calcola", Command2 "Nuovo seme", Command3 "Interrompi".
    ControlRow<ControlKind::CommandButton> calculate, newSeed, stop;
    // Label30 ... Label59: a row per figure, a column per statistic.
    std::array<std::array<ControlRow<ControlKind::Value>, kStatisticsColumnCount>,
               kToleranceFigureCount>
        statistics;
    // Label12: the band's resolution.
    ControlRow<ControlKind::Label> resolution;
    // Label66 ... Label71: the read-out of the frequency and, at the sample under the pointer,
    // the band's maximum, 95 %, the nominal modulus, 5 % and minimum.
    std::array<ControlRow<ControlKind::Value>, 6> readout;
};
extern const ToleranceRows kToleranceRows;

}  // namespace amp::ui
