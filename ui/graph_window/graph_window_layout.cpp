#include "ui/graph_window/graph_window_layout.h"

#include <array>

namespace amp::ui {
namespace {

constexpr std::array<GraphWindowLayout, 6> kLayouts{{
    {"Form2", "modulo e fase 1 Hz 10 Hz", 1, 90, 1680, 14955, 8685, 90, 60},
    {"Form3", "modulo e fase 1 Hz 100 Hz", 2, 195, 1635, 14970, 8730, 60, 120},
    {"Form4", "modulo e fase 1 Hz 1 kHz", 3, 105, 1635, 15090, 8700, 30, 60},
    {"Form5", "modulo e fase 1 Hz 10 kHz", 4, 285, 1860, 14805, 8640, 30, 90},
    {"Form6", "modulo e fase 1 Hz 100 kHz", 5, 240, 1800, 14895, 8640, 30, 60},
    {"Form7", "modulo e fase 1 Hz 1MHz", 6, 210, 1755, 14895, 8655, 30, 60},
}};

}  // namespace

const GraphWindowLayout& GraphWindowLayoutOf(int rangeIndex) {
    return kLayouts.at(static_cast<std::size_t>(rangeIndex - 1));
}

}  // namespace amp::ui
