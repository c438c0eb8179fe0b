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
#include "core/noise/noise_settings.h"
#include "core/noise/op_amp_parts.h"
#include "core/spice/spice_netlist.h"
#include "tests/spice/ngspice_run.h"
#include "tests/spice/noise_comparison.h"
#include "tests/support/missing_tool.h"
#include "tests/support/reference_design.h"

namespace amp::spice {
namespace {

constexpr double kModulusTolerance = 1e-8;   // relative
constexpr double kPhaseToleranceDeg = 1e-6;  // degrees
constexpr double kNoiseTolerance = 1e-5;     // relative, the density and the total
constexpr std::size_t kPointsPerRun = 1201;  // six decades, 200 points each, both ends included
constexpr int kRandomDesigns = 24;

// A design name that a netlist may only carry in its comments, escaped.
constexpr std::string_view kAwkwardName = "Stadio \"finale\" \\ perché 中\n.end";

// One point of the AC analysis: the frequency the simulator used and Vo there (Vi = 1).
struct AcPoint {
    double f = 0.0;
    Complex vo;
};

std::vector<AcPoint> AcPoints(const std::vector<RawPlot>& plots) {
    const RawPlot& ac = PlotNamed(plots, "AC Analysis");
    const std::vector<Complex>& f = ac.Values("frequency");
    const std::vector<Complex>& vo = ac.Values("v(out)");
    std::vector<AcPoint> points;
    for (std::size_t i = 0; i < f.size(); ++i) points.push_back({f[i].Re, vo[i]});
    return points;
}

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

// Uniform in low ... high, from the engine's words by our own arithmetic so that a seed gives the
// same designs with every standard library.
double Uniform(std::mt19937_64& engine, double low, double high) {
    const double u = static_cast<double>(engine() >> 11) * 0x1.0p-53;
    return low + (high - low) * u;
}

// 10 ^ u with u uniform in low ... high.
double LogUniform(std::mt19937_64& engine, double low, double high) {
    return std::pow(10.0, Uniform(engine, low, high));
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

// The noise settings of the window with the part chosen, at the temperature, over the band.
NoiseSettings PartSettings(const OpAmpPart& part, const std::string& temperature,
                           const std::string& bandLow = "20",
                           const std::string& bandHigh = "20000") {
    NoiseTexts texts = WithPart(DefaultNoiseTexts(), part);
    texts.temperature = temperature;
    texts.bandLow = bandLow;
    texts.bandHigh = bandHigh;
    const Outcome<NoiseSettings> settings = ReadNoiseSettings(texts);
    if (const Failure* failure = FailureOf(settings)) ADD_FAILURE() << failure->message;
    return Failed(settings) ? NoiseSettings{} : std::get<NoiseSettings>(settings);
}

const OpAmpPart& Part(std::string_view name) {
    return *FindOpAmpPart(name);
}

// How one design or several agree with the simulator: the response and the noise.
struct Agreements {
    Agreement response;
    NoiseAgreement noise;

    void Merge(const Agreements& other) {
        response.Merge(other.response);
        noise.Merge(other.noise);
    }
};

// Whether the band holds a whole number of steps of the noise analysis, 200 a decade from f1.
bool WholeSteps(const NoiseSettings& noise) {
    const double steps = 200.0 * std::log10(noise.bandHigh / noise.bandLow);
    return std::fabs(steps - std::nearbyint(steps)) < 1e-9;
}

bool WithinTolerance(const NoiseAgreement& a) {
    return a.densityError < kNoiseTolerance && a.totalError < kNoiseTolerance;
}

class SpiceCrossCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(AMP_NGSPICE).empty() || !std::filesystem::exists(AMP_NGSPICE)) {
            if (test_support::MissingToolFails()) FAIL() << "ngspice is not installed";
            GTEST_SKIP() << "ngspice is not installed";
        }
    }

    // Runs the program's netlist of the design as it is, checks the frequency grids and compares
    // at the simulator's own frequencies with the program's figures for these noise settings.
    Agreements Check(const SpiceDesign& design, const NoiseSettings& noise,
                     const std::string& name) {
        const std::vector<RawPlot> plots =
            RunNgspice(AMP_NGSPICE, SpiceNetlist(design), scratch_.Path(), name);
        const CircuitValues& values = design.values;
        const std::vector<AcPoint> simulated = AcPoints(plots);
        EXPECT_EQ(simulated.size(), kPointsPerRun) << name;
        EXPECT_EQ(simulated.front().f, 1.0) << name;
        EXPECT_NEAR(simulated.back().f, 1e6, 1e-6) << name;
        // The noise samples run 200 a decade from f1, and ngspice's total ends on the last of
        // them: on f2 itself when the band holds a whole number of steps, else up to a step below
        // it or a hair above. The program's total is taken over the band the simulator covered.
        const std::vector<Complex>& noiseGrid =
            PlotNamed(plots, "Noise Spectral Density Curves").Values("frequency");
        EXPECT_DOUBLE_EQ(noiseGrid.front().Re, noise.bandLow) << name;
        if (WholeSteps(noise)) {
            EXPECT_NEAR(noiseGrid.back().Re / noise.bandHigh, 1.0, 1e-12) << name;
        }
        NoiseSettings covered = noise;
        covered.bandHigh = noiseGrid.back().Re;
        return {Compare(values, simulated), CompareNoise(values, covered, plots, name)};
    }

    // Prints the figures into the test log and fails when any is beyond its tolerance.
    static void Report(const std::string& what, const Agreements& agreements) {
        std::cout << Describe(what, agreements.response) << std::endl;
        std::cout << Describe(what, agreements.noise) << std::endl;
        EXPECT_TRUE(WithinTolerance(agreements.response)) << Describe(what, agreements.response);
        EXPECT_TRUE(WithinTolerance(agreements.noise)) << Describe(what, agreements.noise);
    }

    ScratchDirectory scratch_{"spice-cross-check"};
};

TEST_F(SpiceCrossCheck, ReferenceComponentSet) {
    const NoiseSettings noise = PartSettings(Part("NE5532"), "25");
    const SpiceDesign design{std::string(kAwkwardName), "test",
                             ReadCircuitValues(test_support::ReferenceTexts()), noise};
    Report("reference component set", Check(design, noise, "reference"));
}

// Without noise settings the netlist has op-amps without en and in at 25 degrees over 20 Hz ...
// 20 kHz: only the resistors' noise remains.
TEST_F(SpiceCrossCheck, DesignWithoutNoiseSettings) {
    NoiseSettings quiet = PartSettings(Part("TL072"), "25");
    quiet.en = 0.0;
    quiet.in = 0.0;
    const SpiceDesign design{"progetto", "test", ReadCircuitValues(test_support::ReferenceTexts()),
                             std::nullopt};
    Report("without noise settings", Check(design, quiet, "quiet"));
}

TEST_F(SpiceCrossCheck, ExampleDataAsSized) {
    FieldTexts texts;
    for (const FieldWrite& write : ExampleData()) texts[write.field] = write.text;
    const NoiseSettings noise = PartSettings(Part("TL072"), "25");
    Report("example data as sized",
           Check({"example", "test", SizedValues(texts, "200000", "3"), noise}, noise, "example"));
}

// Each design with a part, a temperature and a band of its own.
TEST_F(SpiceCrossCheck, SeededRandomDesignsAsSized) {
    std::mt19937_64 engine(0x5B1CE);
    Agreements worst;
    for (int i = 0; i < kRandomDesigns; ++i) {
        const FieldTexts design = RandomDesign(engine);
        const std::string avo = Text(LogUniform(engine, 3, 6.5));
        const std::string fc = Text(LogUniform(engine, -1, 2));
        const OpAmpPart& part = kOpAmpParts[engine() % kOpAmpParts.size()];
        const std::string temperature =
            Text(Uniform(engine, kLowestTemperature, kHighestTemperature));
        const double bandLow = LogUniform(engine, 0, 3);
        const double bandHigh = bandLow * LogUniform(engine, 0.3, 6 - std::log10(bandLow));
        const std::string name = "design" + std::to_string(i);
        const NoiseSettings noise = PartSettings(part, temperature, Text(bandLow), Text(bandHigh));
        const Agreements agreements =
            Check({name, "test", SizedValues(design, avo, fc), noise}, noise, name);
        EXPECT_TRUE(WithinTolerance(agreements.response)) << Describe(name, agreements.response);
        EXPECT_TRUE(WithinTolerance(agreements.noise)) << Describe(name, agreements.noise);
        worst.Merge(agreements);
    }
    const std::string what = std::to_string(kRandomDesigns) + " random designs";
    std::cout << Describe(what, worst.response) << std::endl;
    std::cout << Describe(what, worst.noise) << std::endl;
}

}  // namespace
}  // namespace amp::spice
