#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/outcome.h"
#include "graph/graph_request.h"
#include "graph/plot_grid.h"

namespace amp {

class SweepPool;

// The level the graph windows mark below Gmax, as this fraction of it: the literal of its
// caption, "0.707 Gmax=", not 1/sqrt(2).
inline constexpr double kHalfPowerFactor = 0.707;

// A point of a curve in the plot area's twips.
struct PlotPoint {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const PlotPoint&) const = default;
};

// Everything a plot writes into the graph window of its range.
struct Plot {
    int RangeIndex = 0;
    int N = 0;
    // SweepLength(N) entries: samples 0 ... N + 1; index N + 2 stays 0.
    std::vector<double> ModulusSweep;
    std::vector<double> PhaseSweep;
    // The largest of samples 0 ... N.
    double MaxModulus = 0.0;
    double MaxPhase = 0.0;
    // Twips per unit of modulus and per degree of phase.
    double ModulusScale = 0.0;
    double PhaseScale = 0.0;
    // MaxModulus as its caption shows it, rounded to two decimals: the pointer read-out scales the
    // modulus axis by this figure.
    double Gmax = 0.0;
    // The captions of Gmax and of its 0.707 level, with the plot's decimal separator.
    std::string gmaxCaption;
    std::string halfPowerLevelCaption;
    // The caption under decade j = 0 ... RangeIndex of the frequency axis: "1", "10", ...
    std::vector<std::string> decadeCaptions;
};

// Samples Vo/Vi at N + 2 frequencies over rangeIndex (1 ... 6) decades from 1 Hz and scales both
// curves into the plot area; the captions use the given decimal separator. The inputs are those
// of RequestGraph, so N lies within 1 ... kMaxSampleCount. Refuses a response that is not finite at
// some sample or that is zero throughout the range, and curves with a point that is not finite. A
// pool shares the samples among its threads; without one the calling thread samples alone.
Outcome<Plot> PlotResponse(const GraphInputs& inputs, int rangeIndex,
                           std::string_view decimalSeparator, SweepPool* pool = nullptr);

// Each curve has N + 2 points, so N + 1 segments; the last one ends one sample step right of the
// top of the range. The points are computed when asked for, which spares a large plot the
// memory of two more copies of its samples.
inline int CurvePointCount(const Plot& plot) {
    return plot.N + 2;
}

// The x of sample i of n. The product stays an integer: it is exact, and N is bounded so that
// it fits in 32 bits up to the sample one step past the range.
static_assert(static_cast<long long>(kFrequencyAxisSpan) * (kMaxSampleCount + 1) <=
                  std::numeric_limits<int>::max(),
              "kMaxSampleCount must keep the x products of the plot within 32 bits");
inline double SampleX(int i, int n) {
    return static_cast<double>(kFrequencyAxisSpan * i) / static_cast<double>(n) +
           kFrequencyAxisLeft;
}

// Point i (0 ... N + 1) of the modulus and the phase curve, in plot-area twips.
inline PlotPoint ModulusPoint(const Plot& plot, int i) {
    return {SampleX(i, plot.N), kModulusZeroY - plot.ModulusScale * plot.ModulusSweep[i]};
}
inline PlotPoint PhasePoint(const Plot& plot, int i) {
    return {SampleX(i, plot.N), kPhaseZeroY - plot.PhaseScale * plot.PhaseSweep[i]};
}

}  // namespace amp
