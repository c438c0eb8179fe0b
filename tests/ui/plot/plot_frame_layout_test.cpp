#include "ui/plot/plot_frame_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "ui/tolerance_window/band_frame_layout.h"

namespace amp::ui {
namespace {

// The decade ticks by name, with their x.
std::map<std::string, int> DecadeTickXs(int decadeCount) {
    std::map<std::string, int> ticks;
    for (const FrameLine& line : FrameLines(decadeCount)) {
        if (line.y1 == 7890 && line.y2 == 8070 && line.x1 == line.x2) {
            ticks[std::string(line.name)] = line.x1;
        }
    }
    return ticks;
}

TEST(PlotFrameLayout, DecadeTicksSitWhereTheWindowsDrawThem) {
    const std::vector<std::string> names{"Line15", "Line5", "Line17", "Line18", "Line7"};
    const std::map<int, std::vector<int>> drawn{
        {1, {}},
        {2, {5610}},
        {3, {3780, 7440}},
        {4, {2850, 5610, 8370}},
        {5, {2310, 4500, 6720, 8910}},
        {6, {1950, 3780, 5610, 7440, 9270}},
    };
    for (const auto& [decadeCount, xs] : drawn) {
        const std::map<std::string, int> ticks = DecadeTickXs(decadeCount);
        ASSERT_EQ(ticks.size(), xs.size() + 1) << decadeCount;
        EXPECT_EQ(ticks.at("Line12"), 11100);
        for (std::size_t k = 0; k < xs.size(); ++k) {
            ASSERT_TRUE(ticks.contains(names[k])) << decadeCount << " " << names[k];
            EXPECT_NEAR(ticks.at(names[k]), xs[k], 15) << decadeCount << " " << names[k];
        }
    }
}

TEST(PlotFrameLayout, FrequencyLabelsAreCentredUnderTheirTicks) {
    const std::vector<FrameLabel> labels = FrameLabels(6);
    const std::map<std::string, int> ticks = DecadeTickXs(6);
    const std::map<std::string, std::string> labelOfTick{
        {"Label13", "Line15"}, {"Label7", "Line5"},  {"Label14", "Line17"},
        {"Label29", "Line18"}, {"Label30", "Line7"}, {"Label11", "Line12"}};
    for (const auto& [label, tick] : labelOfTick) {
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](const FrameLabel& l) { return l.name == label; });
        ASSERT_NE(found, labels.end()) << label;
        EXPECT_EQ(found->alignment, TextAlignment::Centre);
        EXPECT_NEAR(found->left + found->width / 2.0, ticks.at(tick), 30) << label;
        EXPECT_EQ(found->top, 8100);
    }
}

// The band's plot keeps the axes, the ticks and the frequency captions, with its own fixed texts.
TEST(PlotFrameLayout, TheBandPlotKeepsOnlyTheFrequencyAxis) {
    std::vector<std::string_view> lines;
    for (const FrameLine& line : BandFrameLines()) lines.push_back(line.name);
    EXPECT_EQ(lines, (std::vector<std::string_view>{"Line1", "Line2", "Line15", "Line5", "Line17",
                                                    "Line18", "Line7", "Line12"}));
    std::vector<std::string_view> captions;
    for (const FrameLabel& label : BandFrameLabels()) captions.push_back(label.caption);
    EXPECT_EQ(captions, (std::vector<std::string_view>{"[Hz]", "1", "1000000", "10", "100", "1000",
                                                       "10000", "100000"}));
}

}  // namespace
}  // namespace amp::ui
