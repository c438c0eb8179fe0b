#include "core/model/transfer_function.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/model/circuit_model.h"

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

// The sections of the reference set, one frequency at a time.
CircuitModel<double> ReferenceModel() {
    return CircuitModel<double>({.R1 = 1e4,
                                 .R2 = 1e5,
                                 .R = 1e4,
                                 .R3 = 1e3,
                                 .R4 = 1e5,
                                 .R5 = 1e4,
                                 .RL = 1e4,
                                 .C1 = 1e-6,
                                 .C2 = 1e-10,
                                 .C3 = 1e-6,
                                 .C4 = 1e-10,
                                 .C5 = 1e-5,
                                 .C6 = 1e-5,
                                 .Avo = 200000,
                                 .fc = 1e6});
}

TEST(SectionGains, LimitsAtZeroFrequency) {
    const CircuitModel<double> model = ReferenceModel();
    const Complex a = model.OpAmpGain(0);
    EXPECT_NEAR(a.Re, 200000, 1e-6);
    EXPECT_EQ(a.Im, 0.0);
    EXPECT_NEAR(model.FollowerGain(a).Re, 200000.0 / 200001.0, 1e-12);
    EXPECT_EQ(model.FeedbackFactor(0), (Complex{1, 0}));
    EXPECT_EQ(model.InputNetwork(0), (Complex{0, 0}));
    EXPECT_EQ(model.CouplingNetwork(0), (Complex{0, 0}));
    EXPECT_EQ(model.OutputCoupling(0), (Complex{0, 0}));
}

TEST(SectionGains, OutputCouplingAtItsCorner) {
    const double corner = 1.0 / (2.0 * kPi * 1e-5 * 1e4);
    const Complex g = ReferenceModel().OutputCoupling(corner);
    EXPECT_NEAR(g.Re, 0.5, 1e-12);
    EXPECT_NEAR(g.Im, 0.5, 1e-12);
    EXPECT_NEAR(Modulus(g), 1.0 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(PhaseDeg(g), 45.0, 1e-9);
}

TEST(SectionGains, MidBandValuesOfThePassiveNetworks) {
    const CircuitModel<double> model = ReferenceModel();
    EXPECT_NEAR(Modulus(model.InputNetwork(1000)), 1e4 / (1e4 + 1e5), 2e-3);
    EXPECT_NEAR(Modulus(model.CouplingNetwork(1e5)), 1e4 / 1.1e4, 1e-4);
    EXPECT_NEAR(Modulus(model.FeedbackFactor(1000)), 1e4 / 1.1e5, 1e-3);
}

}  // namespace
}  // namespace amp
