#include "graph/plot.h"

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "core/number_format.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

// The label factor of the half-power level is this literal, not 1/sqrt(2).
constexpr double kHalfPowerFactor = 0.707;

double LargestSample(const std::vector<double>& samples, int n) {
    return *std::max_element(samples.begin(), samples.begin() + n + 1);
}

double LargestMagnitude(const std::vector<double>& samples, int n) {
    double largest = 0.0;
    for (int i = 0; i <= n; ++i) largest = std::max(largest, std::fabs(samples[i]));
    return largest;
}

// A phase maximum of zero or below would blow the curve up or turn it upside down: the largest
// magnitude scales it instead, and a phase that vanishes everywhere lies on the 0-degree line.
double PhaseScale(const std::vector<double>& phases, double maxPhase, int n) {
    const double fullScalePhase = maxPhase > 0.0 ? maxPhase : LargestMagnitude(phases, n);
    const double scale = kPhaseFullScale / fullScalePhase;
    return std::isfinite(scale) ? scale : 0.0;
}

std::vector<std::string> DecadeCaptions(int decadeCount) {
    std::vector<std::string> captions;
    for (int j = 0; j <= decadeCount; ++j)
        captions.push_back(FormatFixed(std::pow(10.0, j), 0, "."));
    return captions;
}

}  // namespace

Outcome<Plot> PlotResponse(const GraphInputs& inputs, int rangeIndex,
                           std::string_view decimalSeparator) {
    const Failure undefined{std::string(message::kResponseUndefined)};
    const int n = inputs.N;
    Plot plot;
    plot.RangeIndex = rangeIndex;
    plot.N = n;
    plot.ModulusSweep.assign(static_cast<std::size_t>(n) + 3, 0.0);
    plot.PhaseSweep.assign(static_cast<std::size_t>(n) + 3, 0.0);
    for (int i = 0; i <= n + 1; ++i) {
        plot.lastFrequency = SweepFrequency(rangeIndex, i, n);
        const Response response = Evaluate(inputs.values, plot.lastFrequency);
        if (!std::isfinite(response.Modulus) || !std::isfinite(response.PhaseDeg)) return undefined;
        plot.ModulusSweep[i] = response.Modulus;
        plot.PhaseSweep[i] = response.PhaseDeg;
    }

    plot.MaxModulus = LargestSample(plot.ModulusSweep, n);
    plot.ModulusScale = kModulusFullScale / plot.MaxModulus;
    // A zero maximum (or one so small that its scale overflows) leaves nothing to draw.
    if (!std::isfinite(plot.ModulusScale)) return undefined;
    plot.MaxPhase = LargestSample(plot.PhaseSweep, n);
    plot.PhaseScale = PhaseScale(plot.PhaseSweep, plot.MaxPhase, n);

    plot.label1Caption = FormatFixed(plot.MaxModulus, 2, decimalSeparator);
    plot.label17Caption = FormatFixed(kHalfPowerFactor * plot.MaxModulus, 2, decimalSeparator);
    plot.decadeCaptions = DecadeCaptions(rangeIndex);
    return plot;
}

}  // namespace amp
