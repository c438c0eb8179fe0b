#include "ui/tolerance_window/band_frame_layout.h"

#include <array>
#include <string_view>

#include "core/design/evaluation.h"

namespace amp::ui {
namespace {

constexpr std::array<std::string_view, kEvaluationDecades + 1> kDecadeCaptions{
    "1", "10", "100", "1000", "10000", "100000", "1000000"};

}  // namespace

std::vector<FrameLine> BandFrameLines() {
    return FrequencyAxisLines(kEvaluationDecades);
}

std::vector<FrameLabel> BandFrameLabels() {
    std::vector<FrameLabel> labels = FrameLabels(kEvaluationDecades);
    std::erase_if(labels, [](const FrameLabel& label) {
        return label.value != PlotValue::DecadeFrequency && label.name != "Label12";
    });
    for (FrameLabel& label : labels) {
        if (label.value == PlotValue::DecadeFrequency) {
            label.caption = kDecadeCaptions[static_cast<std::size_t>(label.decade)];
        }
    }
    return labels;
}

}  // namespace amp::ui
