#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/checks/messages.h"
#include "graph/plot.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

using test_support::ReferenceInputs;

Plot PlotOf(const GraphInputs& inputs, int rangeIndex) {
    Outcome<Plot> outcome = PlotResponse(inputs, rangeIndex, ".");
    if (Failed(outcome)) {
        ADD_FAILURE() << std::get<Failure>(outcome).message;
        return {};
    }
    return std::get<Plot>(std::move(outcome));
}

TEST(PlotResponse, ReferenceSetGivesThePublishedLevels) {
    struct Expected {
        int range;
        double maxModulus;
        const char* gmax;
        const char* halfPowerLevel;
    };
    for (const Expected& e :
         {Expected{6, 0.908, "0.91", "0.64"}, Expected{2, 0.886, "0.89", "0.63"},
          Expected{1, 0.252, "0.25", "0.18"}}) {
        const Plot plot = PlotOf(ReferenceInputs(1000), e.range);
        EXPECT_NEAR(plot.MaxModulus, e.maxModulus, 0.0005) << e.range;
        EXPECT_EQ(plot.gmaxCaption, e.gmax) << e.range;
        EXPECT_EQ(plot.halfPowerLevelCaption, e.halfPowerLevel) << e.range;
        EXPECT_EQ(plot.Gmax, std::stod(e.gmax)) << e.range;  // as its caption shows it
        EXPECT_LT(plot.MaxPhase, 90.0);
        EXPECT_GT(plot.MaxPhase, 80.0);
        EXPECT_NEAR(plot.PhaseSweep[0], -79.8, 0.05) << e.range;
    }
}

TEST(PlotResponse, WritesOneCaptionPerDecade) {
    EXPECT_EQ(PlotOf(ReferenceInputs(10), 1).decadeCaptions, (std::vector<std::string>{"1", "10"}));
    EXPECT_EQ(PlotOf(ReferenceInputs(10), 6).decadeCaptions,
              (std::vector<std::string>{"1", "10", "100", "1000", "10000", "100000", "1000000"}));
}

TEST(PlotResponse, OneIntervalGivesTwoSegmentsReachingPastTheAxis) {
    const Plot plot = PlotOf(ReferenceInputs(1), 1);
    ASSERT_EQ(CurvePointCount(plot), 3);
    for (auto point : {ModulusPoint, PhasePoint}) {
        EXPECT_EQ(point(plot, 0).x, 120.0);
        EXPECT_EQ(point(plot, 1).x, 11100.0);
        EXPECT_EQ(point(plot, 2).x, 22080.0);
    }
    EXPECT_DOUBLE_EQ(SweepFrequency(1, 2, 1), 100.0);
    EXPECT_EQ(plot.ModulusSweep.size(), 4u);
    EXPECT_EQ(plot.ModulusSweep[3], 0.0);
    EXPECT_EQ(plot.PhaseSweep[3], 0.0);
}

TEST(PlotResponse, ScalesTheMaximaOntoTheirGridLines) {
    const Plot plot = PlotOf(ReferenceInputs(1000), 6);
    ASSERT_EQ(CurvePointCount(plot), 1002);
    double topModulusY = 1E9;
    double topPhaseY = 1E9;
    for (int i = 0; i <= 1000; ++i) {
        topModulusY = std::min(topModulusY, ModulusPoint(plot, i).y);
        topPhaseY = std::min(topPhaseY, PhasePoint(plot, i).y);
    }
    EXPECT_NEAR(topModulusY, 480.0, 1E-9);
    EXPECT_NEAR(topPhaseY, 780.0, 1E-9);
    EXPECT_DOUBLE_EQ(ModulusPoint(plot, 500).x, 5610.0);
    // The sample one step past the range still has its point; the extra sweep entry stays 0.
    EXPECT_NEAR(SweepFrequency(6, 1001, 1000), std::pow(10.0, 6.006), 1E-6);
    EXPECT_DOUBLE_EQ(ModulusPoint(plot, 1001).x, 11110.98);
    EXPECT_EQ(plot.ModulusSweep[1002], 0.0);
}

TEST(PlotResponse, TheLargestSampleCountStaysInsideTheIntegerProducts) {
    const Plot plot = PlotOf(ReferenceInputs(195576), 6);
    EXPECT_DOUBLE_EQ(ModulusPoint(plot, 195576).x, 11100.0);
    EXPECT_GT(ModulusPoint(plot, 195577).x, 11100.0);
}

TEST(PlotResponse, RefusesAResponseThatVanishesOrIsUndefined) {
    GraphInputs zeroLoad = ReferenceInputs(100);
    zeroLoad.values.RL = 0;  // the ratio is 0 everywhere and its phase 0/0
    GraphInputs zeroResistor = ReferenceInputs(100);
    zeroResistor.values.R = 0;
    for (const GraphInputs& inputs : {zeroLoad, zeroResistor}) {
        const Outcome<Plot> outcome = PlotResponse(inputs, 3, ".");
        ASSERT_TRUE(Failed(outcome));
        EXPECT_EQ(std::get<Failure>(outcome).message, message::kResponseUndefined);
    }
}

// Tiny coupling capacitors move every high-pass corner far above 10 Hz, and over the first
// decade the uncorrected phase of the cascade then stays negative.
GraphInputs NegativePhaseInputs() {
    GraphInputs inputs = ReferenceInputs(100);
    inputs.values.C1 = 1E-9;
    inputs.values.C3 = 1E-9;
    inputs.values.C6 = 1E-9;
    return inputs;
}

TEST(PlotResponse, ANonPositivePhaseMaximumScalesByTheLargestMagnitude) {
    const Plot plot = PlotOf(NegativePhaseInputs(), 1);
    ASSERT_LE(plot.MaxPhase, 0.0);
    double lowestY = 0.0;
    for (int i = 0; i <= 100; ++i) {
        EXPECT_GE(PhasePoint(plot, i).y, 3780.0) << i;  // below the 0-degree line, not above it
        lowestY = std::max(lowestY, PhasePoint(plot, i).y);
    }
    EXPECT_NEAR(lowestY, 6780.0, 1E-9);
}

}  // namespace
}  // namespace amp
