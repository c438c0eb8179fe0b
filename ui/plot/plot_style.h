#pragma once

#include <QPen>

#include "ui/plot/plot_frame_layout.h"

namespace amp::ui {

// A one-pixel pen with the dash pattern of a frame line.
QPen FramePen(Rgb colour, DashStyle dash);

}  // namespace amp::ui
