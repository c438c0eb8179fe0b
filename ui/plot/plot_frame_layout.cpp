#include "ui/plot/plot_frame_layout.h"

#include <array>

#include "graph/plot_grid.h"

namespace amp::ui {
namespace {

constexpr Rgb kBlack{0, 0, 0};

constexpr int kDecadeTickTop = 7890;
constexpr int kDecadeTickBottom = 8070;

constexpr int kLabelHeight = 255;
constexpr int kFrequencyLabelTop = 8100;
constexpr int kFrequencyLabelWidth = 900;

// The ticks that end the decades before the top of the range, and the labels under them.
constexpr std::array<std::string_view, 5> kIntermediateTicks{"Line15", "Line5", "Line17", "Line18",
                                                             "Line7"};
constexpr std::array<std::string_view, 5> kIntermediateLabels{"Label13", "Label7", "Label14",
                                                              "Label29", "Label30"};

// The tick that ends decade j (1 ... decadeCount).
std::string_view DecadeTickName(int decadeCount, int j) {
    if (j == decadeCount) return "Line12";
    return kIntermediateTicks.at(static_cast<std::size_t>(j - 1));
}

// The label under decade j (0 ... decadeCount): at 1 Hz, at the top of the range, in between.
std::string_view DecadeLabelName(int decadeCount, int j) {
    if (j == 0) return "Label10";
    if (j == decadeCount) return "Label11";
    return kIntermediateLabels.at(static_cast<std::size_t>(j - 1));
}

}  // namespace

LevelMark GmaxMark() {
    return {
        {"Line3", 2190, 480, 9120, 480, kLevelLineGreen, DashStyle::DashDot},
        {"Label8", "Gmax=", 11100, 390, 600, kLabelHeight, kLevelTextGreen},
        {"Label1", "", 11700, 390, 555, kLabelHeight, kLevelTextGreen, TextAlignment::Left,
         PlotValue::Gmax},
    };
}

LevelMark HalfPowerLevelMark() {
    return {
        {"Line16", 1380, 2670, 10410, 2670, kLevelLineGreen, DashStyle::DashDotDot},
        {"Label9", "0.707 Gmax=", 10680, 2550, 990, kLabelHeight, kLevelTextGreen},
        {"Label17", "", 11670, 2550, 585, kLabelHeight, kLevelTextGreen, TextAlignment::Left,
         PlotValue::HalfPowerLevel},
    };
}

std::vector<FrameLine> FrameLines(int decadeCount) {
    using enum DashStyle;
    // The 0-degree line is drawn in the phase curve's red.
    std::vector<FrameLine> lines{
        {"Line1", 120, 120, 120, 7980, kBlack, Solid},
        {"Line2", 120, 7980, 11100, 7980, kBlack, Solid},
        GmaxMark().line,
        {"Line4", 270, 480, 30, 480, kLevelLineGreen, Solid},
        HalfPowerLevelMark().line,
        {"Line6", 300, 3780, 11100, 3780, kPhaseRed, DashDotDot},
        {"Line11", 300, 780, 11370, 780, kPhaseGridOrange, DashDotDot},
        {"Line13", 210, 2280, 11310, 2280, kPhaseGridOrange, DashDotDot},
        {"Line14", 240, 5280, 11310, 5280, kPhaseGridOrange, DashDotDot},
        {"Line10", 270, 6780, 11400, 6780, kPhaseGridOrange, DashDotDot},
        {"Line23", 90, 780, 150, 780, kBlack, Solid},
        {"Line24", 90, 3780, 180, 3780, kBlack, Solid},
        {"Line9", 60, 6780, 180, 6780, kBlack, Solid},
    };
    for (int j = 1; j <= decadeCount; ++j) {
        const int x = DecadeTickX(decadeCount, j);
        lines.push_back({DecadeTickName(decadeCount, j), x, kDecadeTickTop, x, kDecadeTickBottom,
                         kBlack, Solid});
    }
    return lines;
}

std::vector<FrameLine> FrequencyAxisLines(int decadeCount) {
    std::vector<FrameLine> lines = FrameLines(decadeCount);
    std::erase_if(lines, [decadeCount](const FrameLine& line) {
        if (line.name == "Line1" || line.name == "Line2") return false;
        for (int j = 1; j <= decadeCount; ++j) {
            if (line.name == DecadeTickName(decadeCount, j)) return false;
        }
        return true;
    });
    return lines;
}

std::vector<FrameLabel> FrameLabels(int decadeCount) {
    using enum TextAlignment;
    using enum PlotValue;
    // The phase scale is labelled in the phase curve's red.
    std::vector<FrameLabel> labels{
        {"Label2", "+90°", 11460, 690, 615, kLabelHeight, kPhaseRed, Centre},
        {"Label5", "+45°", 11460, 2160, 615, kLabelHeight, kPhaseRed, Centre},
        {"Label4", "0°", 11460, 3660, 615, kLabelHeight, kPhaseRed, Centre},
        {"Label6", "-45°", 11520, 5160, 615, kLabelHeight, kPhaseRed, Centre},
        {"Label3", "-90°", 11550, 6690, 615, kLabelHeight, kPhaseRed, Centre},
        GmaxMark().name,
        GmaxMark().value,
        HalfPowerLevelMark().name,
        HalfPowerLevelMark().value,
        {"Label12", "[Hz]", 11580, 7920, 600, kLabelHeight, kBlack, Left},
        {DecadeLabelName(decadeCount, 0), "", 90, kFrequencyLabelTop, 600, kLabelHeight, kBlack,
         Left, DecadeFrequency, 0},
        {DecadeLabelName(decadeCount, decadeCount), "", 10410, kFrequencyLabelTop, 1425,
         kLabelHeight, kBlack, Centre, DecadeFrequency, decadeCount},
    };
    for (int j = 1; j < decadeCount; ++j) {
        labels.push_back({DecadeLabelName(decadeCount, j), "",
                          DecadeTickX(decadeCount, j) - kFrequencyLabelWidth / 2,
                          kFrequencyLabelTop, kFrequencyLabelWidth, kLabelHeight, kBlack, Centre,
                          DecadeFrequency, j});
    }
    return labels;
}

}  // namespace amp::ui
