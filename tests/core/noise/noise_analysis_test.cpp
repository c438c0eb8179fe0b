#include "core/noise/noise_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/checks/messages.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

const NoiseAnalysis& Analysis(const Outcome<NoiseAnalysis>& outcome) {
    EXPECT_FALSE(Failed(outcome)) << FailureOf(outcome)->message;
    return std::get<NoiseAnalysis>(outcome);
}

std::string MessageOf(const Outcome<NoiseAnalysis>& outcome) {
    return Failed(outcome) ? FailureOf(outcome)->message : std::string("<analysis>");
}

NoiseSettings DefaultSettings() {
    return std::get<NoiseSettings>(ReadNoiseSettings(DefaultNoiseTexts()));
}

std::size_t Index(NoiseSource s) {
    return static_cast<std::size_t>(s);
}

// The weighting's table in IEC 61672-1, to its 0.1 dB, at the exact frequencies 10^(n / 10) Hz of
// the nominal 20, 31.5, 100, 1000, 2000, 4000, 10000 and 20000 Hz.
TEST(AWeightingPowerGain, MatchesThePublishedTable) {
    const std::pair<int, double> table[] = {{13, -50.5}, {15, -39.4}, {20, -19.1}, {30, 0.0},
                                            {33, 1.2},   {36, 1.0},   {40, -2.5},  {43, -9.3}};
    for (auto [n, decibels] : table) {
        const double f = std::pow(10.0, n / 10.0);
        EXPECT_NEAR(10.0 * std::log10(AWeightingPowerGain(f)), decibels, 0.05) << f;
    }
    EXPECT_EQ(AWeightingPowerGain(kNoiseReferenceFrequency), 1.0);
}

// With en and in at zero only the resistors' thermal noise remains, which goes as the root of the
// absolute temperature, sample by sample and over the band.
TEST(AnalyseNoise, ResistorsAloneScaleAsTheRootOfTheAbsoluteTemperature) {
    const CircuitValues values = ReadCircuitValues(test_support::ReferenceTexts());
    NoiseSettings cool = DefaultSettings();
    cool.part = nullptr;
    cool.en = cool.in = 0.0;
    NoiseSettings hot = cool;
    hot.temperature = 125.0;
    const NoiseAnalysis coolNoise = Analysis(AnalyseNoise(values, cool));
    const NoiseAnalysis hotNoise = Analysis(AnalyseNoise(values, hot));
    const double ratio = std::sqrt((125.0 + 273.15) / (25.0 + 273.15));
    EXPECT_NEAR(hotNoise.figures.outputNoise / coolNoise.figures.outputNoise, ratio, 1e-12);
    for (std::size_t i = 0; i < coolNoise.curves.density.size(); i += 100) {
        EXPECT_NEAR(hotNoise.curves.density[i] / coolNoise.curves.density[i], ratio, 1e-12);
    }
    for (NoiseSource s : {NoiseSource::EnU1, NoiseSource::EnU2, NoiseSource::InU1,
                          NoiseSource::InU2Plus, NoiseSource::InU2Minus}) {
        EXPECT_EQ(coolNoise.contributions[Index(s)].rms, 0.0) << NoiseSourceName(s);
    }
}

// The shares add up to the total; the total is the band's integral of the density squared, to the
// accuracy the power law promises.
TEST(AnalyseNoise, SharesAddUpToTheBandsIntegral) {
    const CircuitValues values = ReadCircuitValues(test_support::SizedExampleTexts());
    const NoiseSettings settings = DefaultSettings();
    const NoiseAnalysis analysis = Analysis(AnalyseNoise(values, settings));
    double shares = 0.0;
    double power = 0.0;
    for (const NoiseContribution& c : analysis.contributions) {
        shares += c.share;
        power += c.rms * c.rms;
    }
    const double total = analysis.figures.outputNoise;
    EXPECT_NEAR(shares, 1.0, 1e-12);
    EXPECT_NEAR(power, total * total, 1e-12 * total * total);

    // The trapezoid rule over ln f, with a hundred times the band's samples.
    constexpr int kSteps = 60000;
    const double lnLow = std::log(settings.bandLow);
    const double h = (std::log(settings.bandHigh) - lnLow) / kSteps;
    double integral = 0.0;
    for (int k = 0; k <= kSteps; ++k) {
        const double f = std::exp(lnLow + k * h);
        const double density = OutputNoiseDensity(values, settings, f);
        integral += (k == 0 || k == kSteps ? 0.5 : 1.0) * density * density * f * h;
    }
    EXPECT_NEAR(total * total / integral, 1.0, 1e-5);
}

// Gains of 0.5 (R3 and R), 4 (R4 = 3 R5) and 1 with an op-amp of immense loop gain: U2 swings
// twice as far as U1, then U1 four times as far as a follower U2.
TEST(AnalyseNoise, LargestCleanOutputOfAHandWorkedDesign) {
    CircuitValues values{.R1 = 1e3,
                         .R2 = 1e3,
                         .R = 1e4,
                         .R3 = 1e4,
                         .R4 = 3e4,
                         .R5 = 1e4,
                         .RL = 1e4,
                         .C1 = 1.0,
                         .C2 = 0.0,
                         .C3 = 1.0,
                         .C4 = 0.0,
                         .C5 = 1.0,
                         .C6 = 1.0,
                         .Avo = 1e12,
                         .fc = 1e18};
    NoiseSettings settings = DefaultSettings();
    settings.slewRate = 0.5E6;  // 3.98 V at 20 kHz, 79.6 V at 1 kHz
    const double slewLimit = settings.slewRate / (2.0 * std::numbers::pi * 20000.0);
    const NoiseFigures figures = Analysis(AnalyseNoise(values, settings)).figures;
    EXPECT_NEAR(figures.largestCleanAt1k, 15.0 - 1.5, 1e-8);
    EXPECT_NEAR(figures.largestCleanAtBandHigh, slewLimit, 1e-8);
    EXPECT_NEAR(figures.dynamicRange,
                20.0 * std::log10(13.5 / std::sqrt(2.0) / figures.outputNoise), 1e-9);

    values.R4 = 0.0;
    EXPECT_NEAR(LargestCleanOutput(values, settings, 1000.0), 13.5 * 0.5, 1e-8);
    EXPECT_NEAR(LargestCleanOutput(values, settings, 20000.0), slewLimit * 0.5, 1e-8);
}

TEST(AnalyseNoise, RefusesWithTheFirstMessage) {
    FieldTexts design = test_support::ReferenceTexts();
    NoiseTexts noise = DefaultNoiseTexts();
    noise.level = "0";
    design[Field::R4] = "";
    EXPECT_EQ(MessageOf(AnalyseNoise(design, noise)), MissingValueMessage(Field::R4));
    design[Field::R4] = "100";
    EXPECT_EQ(MessageOf(AnalyseNoise(design, noise)),
              "Il livello di riferimento deve essere maggiore di zero!");
    noise.level = "1";
    design[Field::R5] = "-10";
    EXPECT_EQ(MessageOf(AnalyseNoise(design, noise)), message::kNegativeResistorNoise);
    design[Field::R5] = "10";
    design[Field::C6] = "0";
    EXPECT_EQ(MessageOf(AnalyseNoise(design, noise)), message::kResponseUndefined);
    design[Field::C6] = "10";
    EXPECT_EQ(MessageOf(AnalyseNoise(design, noise)), "<analysis>");
}

}  // namespace
}  // namespace amp
