#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/noise/noise_analysis.h"
#include "graph/plot.h"

namespace amp {

// The two plots of the noise window, each on a plot area of its own, in twips from its top-left
// corner, y downwards: a title along the top, a logarithmic frequency axis from 1 Hz to 1 MHz
// and a value axis on the left. The output noise density has a logarithmic value axis in
// nV/sqrt(Hz), the largest clean output a linear one in V peak.

inline constexpr int kNoisePlotWidth = 7500;
inline constexpr int kNoisePlotHeight = 4800;
// 1 Hz at the left, 1 MHz at the right, a decade every 1010 twips; room on the left for the value
// captions, on the right for half of "1000000".
inline constexpr int kNoiseAxisLeft = 900;
inline constexpr int kNoiseAxisRight = 6960;
// The top and the bottom of the value scale; the frequency axis lies on the bottom.
inline constexpr int kNoiseAxisTop = 480;
inline constexpr int kNoiseAxisBottom = 4140;
inline constexpr int kNoiseDecades = 6;

// Where a frequency stands on the axis, and the frequency a pointer at x stands for.
double NoiseFrequencyX(double frequency);
double NoisePointerFrequency(double x);

// A caption of a scale: its text and where it stands along its axis (x for frequencies, y for
// values).
struct AxisTick {
    double at = 0.0;
    std::string caption;

    bool operator==(const AxisTick&) const = default;
};

// The decades under the frequency axis: "1", "10" ... "1000000".
std::vector<AxisTick> NoiseFrequencyTicks();

// The density's scale: the decades lowDecade ... highDecade of nV/sqrt(Hz), from the decade
// below the curve's smallest value to the one above its largest, at most kDensityDecades.
inline constexpr int kDensityDecades = 5;
struct DensityScale {
    int lowDecade = 0;
    int highDecade = 1;

    bool operator==(const DensityScale&) const = default;
};
DensityScale DensityScaleOf(const std::vector<double>& density);

// The height of a density in V/sqrt(Hz); one below the scale (or zero) lies on its bottom.
double DensityY(double density, DensityScale scale);

// A caption per decade of the scale: "0,1", "1", "10" ...
std::vector<AxisTick> DensityTicks(DensityScale scale, std::string_view decimalSeparator);

// The largest clean output's scale: 0 ... top V in steps of a round 1, 2, 2.5 or 5 times a
// power of ten, three to five of them.
struct CleanOutputScale {
    double top = 1.0;
    double step = 0.2;

    bool operator==(const CleanOutputScale&) const = default;
};
CleanOutputScale CleanOutputScaleOf(const std::vector<double>& largestClean);

double CleanOutputY(double volts, CleanOutputScale scale);

// A caption per step of the scale, from 0 to its top.
std::vector<AxisTick> CleanOutputTicks(CleanOutputScale scale, std::string_view decimalSeparator);

// Point i of each curve, in plot twips.
PlotPoint DensityPoint(const NoiseCurves& curves, std::size_t i, DensityScale scale);
PlotPoint CleanOutputPoint(const NoiseCurves& curves, std::size_t i, CleanOutputScale scale);

// The sample whose frequency lies nearest (on the logarithmic axis) to a pointer at x.
std::size_t NoiseSampleUnderPointer(const NoiseCurves& curves, double x);

// What a plot's read-out shows for a pointer at x: the frequency there, as the graph windows
// read it, and the curve at the nearest sample: the density in nV/sqrt(Hz) to three significant
// digits, the largest clean output in V peak ("0.00").
struct NoiseReadoutTexts {
    std::string frequency;
    std::string value;

    bool operator==(const NoiseReadoutTexts&) const = default;
};
NoiseReadoutTexts DensityReadout(const NoiseCurves& curves, double x,
                                 std::string_view decimalSeparator);
NoiseReadoutTexts CleanOutputReadout(const NoiseCurves& curves, double x,
                                     std::string_view decimalSeparator);

}  // namespace amp
