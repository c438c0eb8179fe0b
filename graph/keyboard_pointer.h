#pragma once

#include "graph/plot.h"
#include "graph/plot_grid.h"

namespace amp {

// The keys that move the keyboard pointer over a plot area: the arrows, Home and End (the ends
// of the frequency axis), Page Up and Page Down (the Gmax line and the frequency axis).
enum class PointerKey { Left, Right, Up, Down, AxisStart, AxisEnd, GmaxLine, FrequencyAxis };

// An arrow moves the pointer by one pixel, with Shift by ten.
inline constexpr double kPointerStep = kTwipsPerPixel;
inline constexpr double kPointerLargeStep = 10 * kPointerStep;

// Where the keyboard pointer stands each time a graph window is shown: 1 Hz on the frequency axis.
inline constexpr PlotPoint kKeyboardPointerStart{kFrequencyAxisLeft, kModulusZeroY};

// The pointer after the key, an arrow moving it by the step; it never leaves the pixels of the
// plot area.
PlotPoint MoveKeyboardPointer(PlotPoint at, PointerKey key, double step);

}  // namespace amp
