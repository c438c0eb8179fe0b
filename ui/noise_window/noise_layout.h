#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/noise/noise_settings.h"
#include "graph/noise_report.h"
#include "ui/forms/form_control.h"

namespace amp::ui {

// FormRumore's client area, in twips: the fields on the left, the figures in the middle, the
// sources' table on the right, and under them the two plots, each with its read-out below it.
inline constexpr int kNoiseClientWidth = 15480;
inline constexpr int kNoiseClientHeight = 9780;
inline constexpr int kSourcesTableLeft = 10860;
inline constexpr int kSourcesTableTop = 120;
inline constexpr int kSourcesTableWidth = 4500;
inline constexpr int kSourcesTableHeight = 4215;
inline constexpr int kNoisePlotTop = 4500;
inline constexpr int kDensityPlotLeft = 120;
inline constexpr int kCleanOutputPlotLeft = 7860;

// Every control of FormRumore built from a table, as designed.
std::span<const FormControl> NoiseControls();

// A field of the window: its box, the caption that names it and the name a screen reader says.
struct NoiseFieldRows {
    ControlRow<ControlKind::TextBox> box;
    ControlRow<ControlKind::Label> caption;
    std::string_view accessibleName;
};

// The rows of the controls that the window reads, writes and connects.
struct NoiseRows {
    // Combo1 "Operazionale" and its caption Label1.
    ControlRow<ControlKind::ComboBox> part;
    ControlRow<ControlKind::Label> partCaption;
    // Text1 ... Text9, in NoiseField order.
    std::array<NoiseFieldRows, kNoiseFieldCount> fields;
    // Command1 "Calcola", Command2 "Usa nel progetto".
    ControlRow<ControlKind::CommandButton> calculate, useInDesign;
    // Label31 ... Label40: the figures, in NoiseFigure order.
    std::array<ControlRow<ControlKind::Value>, kNoiseFigureCount> figures;
    // Label51: the supply above the part's largest.
    ControlRow<ControlKind::Label> supplyFlag;
    // Label61 ... Label64: the frequency and the density under the pointer, then the frequency
    // and the largest clean output.
    std::array<ControlRow<ControlKind::Value>, 4> readout;
};
extern const NoiseRows kNoiseRows;

}  // namespace amp::ui
