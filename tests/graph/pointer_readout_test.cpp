#include "graph/pointer_readout.h"

#include <gtest/gtest.h>

namespace amp {
namespace {

std::string Frequency(int decadeCount, double x) {
    return PointerReadout(ReadoutMode::Modulus, decadeCount, 1.0, x, 0, ".").frequency;
}

TEST(PointerReadout, FrequencyFollowsTheWindowsOwnAxis) {
    EXPECT_EQ(Frequency(6, 120), "1");
    EXPECT_EQ(Frequency(6, 5610), "1000");
    EXPECT_EQ(Frequency(6, 11100), "1000000");
    EXPECT_EQ(Frequency(1, 5610), "3.16");
    EXPECT_EQ(Frequency(1, 0), "0.98");  // left of the axis, as computed
}

TEST(PointerReadout, ModulusIsReadOnTheGmaxOfThePlot) {
    auto modulus = [](std::optional<double> gmax, double y, std::string_view separator = ".") {
        return PointerReadout(ReadoutMode::Modulus, 3, gmax, 120, y, separator).value;
    };
    EXPECT_EQ(modulus(2.0, 480), "2");
    EXPECT_EQ(modulus(2.0, 7980), "0");
    EXPECT_EQ(modulus(2.0, 4230), "1");
    EXPECT_EQ(modulus(0.91, 2670), "0.64");
    EXPECT_EQ(modulus(2.0, 8355), "-0.1");  // below the axis
    EXPECT_EQ(modulus(0.0, 480), "0");
    EXPECT_EQ(modulus(2.5, 480, ","), "2,5");
    EXPECT_EQ(modulus(0.91, 4000, ","), "0,48");
    EXPECT_EQ(modulus(std::nullopt, 480), "");
}

TEST(PointerReadout, PhaseFollowsTheFixedNinetyDegreeGrid) {
    auto phase = [](double y, std::string_view separator = ".") {
        return PointerReadout(ReadoutMode::Phase, 2, std::nullopt, 5610, y, separator);
    };
    EXPECT_EQ(phase(780).value, "90");
    EXPECT_EQ(phase(3780).value, "0");
    EXPECT_EQ(phase(6780).value, "-90");
    EXPECT_EQ(phase(2280).value, "45");
    EXPECT_EQ(phase(0).value, "113.4");
    EXPECT_EQ(phase(3785, ",").value, "-0,15");
    EXPECT_EQ(phase(3780).frequency, "10");
}

}  // namespace
}  // namespace amp
