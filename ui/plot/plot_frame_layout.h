#pragma once

#include <string_view>
#include <vector>

#include "ui/curve_colours.h"

namespace amp::ui {

// The colours of the frame that other plots repeat: the Gmax level lines, their captions (the
// lines' pure green is hard to read on white) and the orange of the phase grid.
inline constexpr Rgb kLevelLineGreen{0, 255, 0};
inline constexpr Rgb kLevelTextGreen{0, 160, 0};
inline constexpr Rgb kPhaseGridOrange{255, 128, 0};

enum class DashStyle { Solid, DashDot, DashDotDot };

// A straight line of the plot area's fixed frame, in plot-area twips.
struct FrameLine {
    std::string_view name;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    DashStyle dash = DashStyle::Solid;
};

enum class TextAlignment { Left, Centre };

// What a plot writes into a label of the frame: nothing (a fixed caption), Gmax, its 0.707 level
// or the frequency of a decade tick.
enum class PlotValue { None, Gmax, HalfPowerLevel, DecadeFrequency };

// A label of the plot area, in plot-area twips. The value labels have no caption of their own:
// each plot writes it.
struct FrameLabel {
    std::string_view name;
    std::string_view caption;
    int left = 0, top = 0, width = 0, height = 0;
    Rgb colour;
    TextAlignment alignment = TextAlignment::Left;
    PlotValue value = PlotValue::None;
    // The decade (0 ... decadeCount) whose frequency a DecadeFrequency label shows.
    int decade = 0;
};

// A level of the modulus that the frame marks: its dashed line, the label that names it and the
// label a plot writes its value into.
struct LevelMark {
    FrameLine line;
    FrameLabel name;
    FrameLabel value;
};

// Gmax (Line3, "Gmax=", Label1) and its 0.707 level (Line16, "0.707 Gmax=", Label17), placed as
// the graph windows place them.
LevelMark GmaxMark();
LevelMark HalfPowerLevelMark();

// Axes, reference lines and ticks, the decade ticks placed for the window's decade count.
std::vector<FrameLine> FrameLines(int decadeCount);

// Of those, the two axes and the decade ticks only: the frame of a plot of the modulus alone.
std::vector<FrameLine> FrequencyAxisLines(int decadeCount);

// Phase and modulus scale labels, the frequency labels under the decade ticks and "[Hz]".
std::vector<FrameLabel> FrameLabels(int decadeCount);

}  // namespace amp::ui
