#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/model/circuit_values.h"
#include "core/noise/noise_settings.h"

namespace amp {

// The thirteen uncorrelated noise sources of the amplifier: the thermal noise of its eight
// resistors, the voltage noise en of each op-amp at its + input, and the current noise in of U1
// into its + input and of U2 into both of its inputs.
enum class NoiseSource {
    R1,
    R2,
    RInput,  // R from the follower's input to ground
    R3,
    RCoupling,  // R from U2's + input to ground
    R4,
    R5,
    RL,
    EnU1,
    EnU2,
    InU1,
    InU2Plus,
    InU2Minus,
};
inline constexpr int kNoiseSourceCount = 13;
using NoiseSourceValues = std::array<double, kNoiseSourceCount>;

// The name the window's table gives the source ("R1", "R (ingresso)", "en U1", "in U2 (-)" ...).
std::string_view NoiseSourceName(NoiseSource source);

// The frequency of the figures at 1 kHz and of the A-weighting's 0 dB, Hz.
inline constexpr double kNoiseReferenceFrequency = 1000.0;

// The curves' grid: 200 samples a decade over 1 Hz ... 1 MHz, sample i of kNoiseCurveSampleCount
// at 10^(6 i / 1200) Hz (SweepFrequency), the grid of the response's check against the simulator.
inline constexpr int kNoiseCurveDecades = 6;
inline constexpr int kNoiseCurveSamplesPerDecade = 200;
inline constexpr int kNoiseCurveSampleCount = kNoiseCurveDecades * kNoiseCurveSamplesPerDecade + 1;

// The band's grid for the rms: f1 10^(k / 200) below f2, then f2 itself, the samples of ngspice's
// ".noise ... dec 200 f1 f2" (which ends on the last of them at or below f2). Between samples the
// power law follows the density to about 1e-5 of the noise power.
inline constexpr int kNoiseBandSamplesPerDecade = 200;

// Boltzmann's constant, J/K, and the kelvin of 0 °C.
inline constexpr double kBoltzmann = 1.380649e-23;
inline constexpr double kZeroCelsius = 273.15;

// The squared modulus of each source's transfer to Vo at f: V/V for en and for a resistor's
// thermal noise taken as a voltage in series with it, V/A (ohm) for a current into its node.
// Each op-amp has the gain OpAmpGain and an ideal output; Vi is a short.
NoiseSourceValues NoiseGainsSquared(const CircuitValues& values, double f);

// Each source's share of the output noise power density at f, V^2/Hz.
NoiseSourceValues OutputNoisePowers(const CircuitValues& values, const NoiseSettings& settings,
                                    double f);

// The output noise density at f, V/sqrt(Hz): the root of the sum of OutputNoisePowers.
double OutputNoiseDensity(const CircuitValues& values, const NoiseSettings& settings, double f);

// The A-weighting of IEC 61672-1 as a power gain, exactly 1 at 1 kHz.
double AWeightingPowerGain(double f);

// The largest output peak at f, in V across RL, for which neither op-amp's output passes
// +-(supply - margin) nor needs a slope above the slew rate.
double LargestCleanOutput(const CircuitValues& values, const NoiseSettings& settings, double f);

// The figures of the noise window, in SI units (V, Hz, dB).
struct NoiseFigures {
    double outputNoise = 0.0;           // rms over the band
    double outputNoiseAWeighted = 0.0;  // the same, A-weighted
    double inputNoise = 0.0;            // outputNoise over |Vo/Vi| at 1 kHz
    double signalToNoise = 0.0;         // 20 log10(level / outputNoise)
    double signalToNoiseAWeighted = 0.0;
    double largestCleanAt1k = 0.0;  // V peak
    double largestCleanAtBandHigh = 0.0;
    double fullPowerBandwidth = 0.0;  // SR / (2 pi (supply - margin))
    double dynamicRange = 0.0;        // 20 log10(largestCleanAt1k / sqrt 2 / outputNoise)
    double dynamicRangeAWeighted = 0.0;
    bool supplyAboveRating = false;
};

// One source's part of the output noise over the band: its rms and its share of the noise power
// (0 ... 1).
struct NoiseContribution {
    NoiseSource source;
    double rms = 0.0;
    double share = 0.0;
};

// The curves of the window's two plots, over 1 Hz ... 1 MHz on a logarithmic grid.
struct NoiseCurves {
    std::vector<double> frequencies;   // Hz
    std::vector<double> density;       // output noise, V/sqrt(Hz)
    std::vector<double> largestClean;  // V peak
};

struct NoiseAnalysis {
    // What was analysed.
    NoiseSettings settings;
    NoiseFigures figures;
    // In NoiseSource order.
    std::array<NoiseContribution, kNoiseSourceCount> contributions{};
    NoiseCurves curves;
};

// The noise and headroom of the design with these settings. The rms over the band integrates the
// density of each source as a power law between the samples of the band's grid. Refuses a negative
// resistor, whose thermal noise would count against the others, and gives the message of a design
// without a defined response when a figure, a share or a curve's sample is not finite.
Outcome<NoiseAnalysis> AnalyseNoise(const CircuitValues& values, const NoiseSettings& settings);

// "Calcola" of the noise window: Form1's fields with the evaluation's checks and messages, then
// the window's own, then the analysis.
Outcome<NoiseAnalysis> AnalyseNoise(const FieldTexts& design, const NoiseTexts& noise);

namespace message {
inline constexpr std::string_view kNegativeResistorNoise =
    "Il rumore non si può calcolare con resistenze negative!";
}  // namespace message

}  // namespace amp
