#include "graph/frame_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace amp {
namespace {

std::map<std::string, int> DecadeTickXs(int decadeCount) {
    std::map<std::string, int> ticks;
    for (const FrameLine& line : FrameLines(decadeCount)) {
        if (line.y1 == 7890 && line.y2 == 8070) {
            EXPECT_EQ(line.x1, line.x2) << line.name;
            ticks[std::string(line.name)] = line.x1;
        }
    }
    return ticks;
}

TEST(FrameGeometry, DecadeTicksSitWhereTheWindowsDrawThem) {
    using Ticks = std::map<std::string, int>;
    const std::map<int, Ticks> drawn{
        {1, {{"Line12", 11100}}},
        {2, {{"Line15", 5610}, {"Line12", 11100}}},
        {3, {{"Line15", 3780}, {"Line5", 7440}, {"Line12", 11100}}},
        {4, {{"Line15", 2850}, {"Line5", 5610}, {"Line17", 8370}, {"Line12", 11100}}},
        {5,
         {{"Line15", 2310},
          {"Line5", 4500},
          {"Line17", 6720},
          {"Line18", 8910},
          {"Line12", 11100}}},
        {6,
         {{"Line15", 1950},
          {"Line5", 3780},
          {"Line17", 5610},
          {"Line18", 7440},
          {"Line7", 9270},
          {"Line12", 11100}}},
    };
    for (const auto& [decadeCount, expected] : drawn) {
        const Ticks ticks = DecadeTickXs(decadeCount);
        ASSERT_EQ(ticks.size(), expected.size()) << decadeCount;
        for (const auto& [name, x] : expected) {
            ASSERT_TRUE(ticks.contains(name)) << decadeCount << " " << name;
            EXPECT_NEAR(ticks.at(name), x, 15) << decadeCount << " " << name;
        }
    }
}

TEST(FrameGeometry, FrequencyLabelsAreCentredUnderTheirTicks) {
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

TEST(FrameGeometry, OnlyTheIntermediateDecadesOfTheRangeHaveLabels) {
    auto names = [](int decadeCount) {
        std::vector<std::string> found;
        for (const FrameLabel& label : FrameLabels(decadeCount)) {
            if (label.top == 8100) found.emplace_back(label.name);
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    EXPECT_EQ(names(1), (std::vector<std::string>{"Label10", "Label11"}));
    EXPECT_EQ(names(3), (std::vector<std::string>{"Label10", "Label11", "Label13", "Label7"}));
}

}  // namespace
}  // namespace amp
