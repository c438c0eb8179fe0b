#pragma once

#include <vector>

#include "ui/plot/plot_frame_layout.h"

namespace amp::ui {

// The frame of the tolerance band's plot: the graph windows' six-decade frame without the phase
// scale and the Gmax lines, which belong to their two curves.

// The axes and a tick per decade.
std::vector<FrameLine> BandFrameLines();

// The frequency captions under the decade ticks, "1" ... "1000000", and "[Hz]".
std::vector<FrameLabel> BandFrameLabels();

}  // namespace amp::ui
