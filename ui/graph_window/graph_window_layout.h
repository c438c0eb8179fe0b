#pragma once

namespace amp::ui {

// What sets the six graph windows apart. Geometry in twips: the window's position on the
// screen, its client size and the top-left corner of its plot area.
struct GraphWindowLayout {
    const char* objectName;
    const char* caption;
    int decadeCount;
    int left, top;
    int clientWidth, clientHeight;
    int plotLeft, plotTop;
};

// The window of range 1 ... 6 (Form2 ... Form7).
const GraphWindowLayout& GraphWindowLayoutOf(int rangeIndex);

}  // namespace amp::ui
