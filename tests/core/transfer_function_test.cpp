#include "core/transfer_function.h"

#include <gtest/gtest.h>

#include <cmath>

namespace amp {
namespace {

// The component set of the reference figures, in SI units.
Response ReferenceSetAt(double f) {
    return TransferFunction(f, 200000, 1000000, 1e-6, 1e-10, 1e-6, 1e-10, 1e-5, 1e-5, 10000, 100000,
                            1000, 100000, 10000, 10000, 10000);
}

TEST(TransferFunction, ReferenceSetInMidBand) {
    const Response r = ReferenceSetAt(1000);
    EXPECT_NEAR(r.Modulus, 0.906, 0.0005);
    EXPECT_NEAR(r.PhaseDeg, -2.28, 0.005);
    EXPECT_DOUBLE_EQ(r.Modulus, std::hypot(r.Re, r.Im));
}

TEST(TransferFunction, ReferenceSetAtTheBandEdgesKeepsTheUncorrectedPhase) {
    const Response low = ReferenceSetAt(10);
    EXPECT_NEAR(low.Re, -0.170, 0.0005);
    EXPECT_NEAR(low.Im, 0.185, 0.0005);
    EXPECT_NEAR(low.PhaseDeg, -47.4, 0.05);

    const Response high = ReferenceSetAt(100000);
    EXPECT_NEAR(high.Re, -0.00600, 0.000005);
    EXPECT_NEAR(high.Im, -0.122, 0.0005);
    EXPECT_NEAR(high.Modulus, 0.122, 0.0005);
    EXPECT_NEAR(high.PhaseDeg, 87.2, 0.05);
}

TEST(SectionGains, LimitsAtZeroFrequency) {
    const Complex a = OpAmpGain(0, 1e6, 200000);
    EXPECT_NEAR(a.Re, 200000, 1e-6);
    EXPECT_EQ(a.Im, 0.0);
    EXPECT_NEAR(FollowerGain(0, 1e6, 200000).Re, 200000.0 / 200001.0, 1e-12);
    EXPECT_EQ(FeedbackFactor(0, 1e-5, 1e4, 1e-10, 1e5), (Complex{1, 0}));
    EXPECT_EQ(InputNetwork(0, 1e-6, 1e4, 1e4, 1e-10, 1e5), (Complex{0, 0}));
    EXPECT_EQ(CouplingNetwork(0, 1e-6, 1e4, 1e3), (Complex{0, 0}));
    EXPECT_EQ(OutputCoupling(0, 1e-5, 1e4), (Complex{0, 0}));
}

TEST(SectionGains, OutputCouplingAtItsCorner) {
    const double corner = 1.0 / (2.0 * kPi * 1e-5 * 1e4);
    const Complex g = OutputCoupling(corner, 1e-5, 1e4);
    EXPECT_NEAR(g.Re, 0.5, 1e-12);
    EXPECT_NEAR(g.Im, 0.5, 1e-12);
    EXPECT_NEAR(Modulus(g), 1.0 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(PhaseDeg(g), 45.0, 1e-9);
}

TEST(SectionGains, MidBandValuesOfThePassiveNetworks) {
    EXPECT_NEAR(Modulus(InputNetwork(1000, 1e-6, 1e4, 1e4, 1e-10, 1e5)), 1e4 / (1e4 + 1e5), 2e-3);
    EXPECT_NEAR(Modulus(CouplingNetwork(1e5, 1e-6, 1e4, 1e3)), 1e4 / 1.1e4, 1e-4);
    EXPECT_NEAR(Modulus(FeedbackFactor(1000, 1e-5, 1e4, 1e-10, 1e5)), 1e4 / 1.1e5, 1e-3);
}

}  // namespace
}  // namespace amp
