#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "core/design/example_data.h"
#include "core/design/sizing.h"
#include "core/model/circuit_values.h"
#include "core/model/transfer_function.h"
#include "tests/spice/ngspice_ac.h"
#include "tests/support/missing_tool.h"
#include "tests/support/reference_design.h"

namespace amp::spice {
namespace {

constexpr double kModulusTolerance = 1e-8;   // relative
constexpr double kPhaseToleranceDeg = 1e-6;  // degrees
constexpr std::size_t kPointsPerRun = 1201;  // six decades, 200 points each, both ends included
constexpr int kRandomDesigns = 24;

// The worst disagreement between the model and the simulator over some runs.
struct Agreement {
    std::size_t points = 0;
    double modulusError = 0.0;
    double modulusErrorAt = 0.0;
    double phaseErrorDeg = 0.0;
    double phaseErrorAt = 0.0;

    void Merge(const Agreement& other) {
        points += other.points;
        if (other.modulusError > modulusError) {
            modulusError = other.modulusError;
            modulusErrorAt = other.modulusErrorAt;
        }
        if (other.phaseErrorDeg > phaseErrorDeg) {
            phaseErrorDeg = other.phaseErrorDeg;
            phaseErrorAt = other.phaseErrorAt;
        }
    }
};

// Both phases are principal values within +-90 degrees; near a crossing of the imaginary axis
// one may sit just below +90 and the other just above -90, which is a difference of almost 0.
double PhaseDistanceDeg(double a, double b) {
    const double d = a - b;
    return std::fabs(d - 180.0 * std::nearbyint(d / 180.0));
}

Agreement Compare(const CircuitValues& values, const std::vector<AcPoint>& simulated) {
    Agreement agreement;
    agreement.points = simulated.size();
    for (const AcPoint& point : simulated) {
        const Response model = TransferFunction(values, point.f);
        const double modulus = Modulus(point.vo);
        const double modulusError = std::fabs(model.Modulus - modulus) / modulus;
        // The simulator's value goes through the model's own phase mapping.
        const double phaseError = PhaseDistanceDeg(model.PhaseDeg, PhaseDeg(point.vo));
        if (!(modulusError <= agreement.modulusError)) {
            agreement.modulusError = modulusError;
            agreement.modulusErrorAt = point.f;
        }
        if (!(phaseError <= agreement.phaseErrorDeg)) {
            agreement.phaseErrorDeg = phaseError;
            agreement.phaseErrorAt = point.f;
        }
    }
    return agreement;
}

bool WithinTolerance(const Agreement& a) {
    return a.modulusError < kModulusTolerance && a.phaseErrorDeg < kPhaseToleranceDeg;
}

std::string Describe(const std::string& what, const Agreement& a) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s: %zu points, worst modulus relative error %.3e at %.6g Hz, worst phase "
                  "difference %.3e deg at %.6g Hz",
                  what.c_str(), a.points, a.modulusError, a.modulusErrorAt, a.phaseErrorDeg,
                  a.phaseErrorAt);
    return text;
}

std::string Text(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

// Sizes the design in the texts and reads back the component values as the boxes then hold them.
CircuitValues SizedValues(FieldTexts texts, const std::string& avo, const std::string& fc) {
    const auto outcome = SizeComponents(texts);
    if (Failed(outcome)) {
        ADD_FAILURE() << std::get<Failure>(outcome).message;
        return {};
    }
    for (const FieldWrite& write : std::get<std::vector<FieldWrite>>(outcome)) {
        texts[write.field] = write.text;
    }
    texts[Field::Avo] = avo;
    texts[Field::fc] = fc;
    return ReadCircuitValues(texts);
}

// 10 ^ u with u uniform in low ... high, from the engine's words by our own arithmetic so that a
// seed gives the same designs with every standard library.
double LogUniform(std::mt19937_64& engine, double low, double high) {
    const double u = static_cast<double>(engine() >> 11) * 0x1.0p-53;
    return std::pow(10.0, low + (high - low) * u);
}

// Design data over several decades each; Ri stays below R2 + R so that every design sizes.
FieldTexts RandomDesign(std::mt19937_64& engine) {
    FieldTexts t;
    const double R2 = LogUniform(engine, -1, 2);
    const double R = LogUniform(engine, 0, 3);
    t[Field::fi] = Text(LogUniform(engine, -1, 2));
    t[Field::fs] = Text(LogUniform(engine, 3, 6));
    t[Field::Ri] = Text((R2 + R) * LogUniform(engine, -3, -0.05));
    t[Field::Avcb] = Text(LogUniform(engine, 0.2, 4));
    t[Field::R2] = Text(R2);
    t[Field::R] = Text(R);
    t[Field::R3] = Text(LogUniform(engine, -1, 2));
    t[Field::R5] = Text(LogUniform(engine, -1, 2));
    t[Field::RL] = Text(LogUniform(engine, -1, 2));
    return t;
}

class SpiceCrossCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(AMP_NGSPICE).empty() || !std::filesystem::exists(AMP_NGSPICE)) {
            if (test_support::MissingToolFails()) FAIL() << "ngspice is not installed";
            GTEST_SKIP() << "ngspice is not installed";
        }
    }

    // Simulates the circuit, checks the frequency grid and compares at the simulator's own
    // frequencies.
    Agreement Check(const CircuitValues& values, const std::string& name) {
        const std::vector<AcPoint> simulated =
            SimulateAmplifier(AMP_NGSPICE, values, scratch_.Path(), name);
        EXPECT_EQ(simulated.size(), kPointsPerRun) << name;
        EXPECT_EQ(simulated.front().f, 1.0) << name;
        EXPECT_NEAR(simulated.back().f, 1e6, 1e-6) << name;
        return Compare(values, simulated);
    }

    // Prints the figures into the test log and fails when either is beyond its tolerance.
    static void Report(const std::string& what, const Agreement& agreement) {
        std::cout << Describe(what, agreement) << std::endl;
        EXPECT_TRUE(WithinTolerance(agreement)) << Describe(what, agreement);
    }

    ScratchDirectory scratch_{"spice-cross-check"};
};

TEST_F(SpiceCrossCheck, ReferenceComponentSet) {
    Report("reference component set",
           Check(ReadCircuitValues(test_support::ReferenceTexts()), "reference"));
}

TEST_F(SpiceCrossCheck, ExampleDataAsSized) {
    FieldTexts texts;
    for (const FieldWrite& write : ExampleData()) texts[write.field] = write.text;
    Report("example data as sized", Check(SizedValues(texts, "200000", "3"), "example"));
}

TEST_F(SpiceCrossCheck, SeededRandomDesignsAsSized) {
    std::mt19937_64 engine(0x5B1CE);
    Agreement worst;
    for (int i = 0; i < kRandomDesigns; ++i) {
        const FieldTexts design = RandomDesign(engine);
        const std::string avo = Text(LogUniform(engine, 3, 6.5));
        const std::string fc = Text(LogUniform(engine, -1, 2));
        const std::string name = "design" + std::to_string(i);
        const Agreement agreement = Check(SizedValues(design, avo, fc), name);
        EXPECT_TRUE(WithinTolerance(agreement)) << Describe(name, agreement);
        worst.Merge(agreement);
    }
    std::cout << Describe(std::to_string(kRandomDesigns) + " random designs", worst) << std::endl;
}

}  // namespace
}  // namespace amp::spice
