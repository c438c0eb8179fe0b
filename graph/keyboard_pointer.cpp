#include "graph/keyboard_pointer.h"

#include <algorithm>

namespace amp {
namespace {

constexpr double kGmaxY = kModulusZeroY - kModulusFullScale;
constexpr double kFrequencyAxisRight = kFrequencyAxisLeft + kFrequencyAxisSpan;
// The last pixel of the plot area starts one pixel before its edge.
constexpr double kRightmost = kPlotAreaWidth - kTwipsPerPixel;
constexpr double kLowest = kPlotAreaHeight - kTwipsPerPixel;

PlotPoint Moved(PlotPoint at, PointerKey key, double step) {
    switch (key) {
        case PointerKey::Left:
            return {at.x - step, at.y};
        case PointerKey::Right:
            return {at.x + step, at.y};
        case PointerKey::Up:
            return {at.x, at.y - step};
        case PointerKey::Down:
            return {at.x, at.y + step};
        case PointerKey::AxisStart:
            return {kFrequencyAxisLeft, at.y};
        case PointerKey::AxisEnd:
            return {kFrequencyAxisRight, at.y};
        case PointerKey::GmaxLine:
            return {at.x, kGmaxY};
        case PointerKey::FrequencyAxis:
            return {at.x, kModulusZeroY};
    }
    return at;
}

}  // namespace

PlotPoint MoveKeyboardPointer(PlotPoint at, PointerKey key, double step) {
    const PlotPoint moved = Moved(at, key, step);
    return {std::clamp(moved.x, 0.0, kRightmost), std::clamp(moved.y, 0.0, kLowest)};
}

}  // namespace amp
