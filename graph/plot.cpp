#include "graph/plot.h"

#include <algorithm>
#include <cmath>

#include "core/checks/messages.h"
#include "core/checks/number_format.h"
#include "core/sweep/response_sweep.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

double LargestMagnitude(const std::vector<double>& samples, int n) {
    double largest = 0.0;
    for (int i = 0; i <= n; ++i) largest = std::max(largest, std::fabs(samples[i]));
    return largest;
}

// A phase maximum of zero or below would blow the curve up or turn it upside down: the largest
// magnitude scales it instead, and a phase that vanishes everywhere lies on the 0-degree line.
double PhaseScale(const std::vector<double>& phases, double maxPhase, int n) {
    const double fullScalePhase = maxPhase > 0.0 ? maxPhase : LargestMagnitude(phases, n);
    if (fullScalePhase == 0.0) return 0.0;
    return kPhaseFullScale / fullScalePhase;
}

// Finite scales can still overflow on a sample they do not bound: the modulus one step past
// the range, a phase far below a tiny positive maximum, or any phase under a scale that a
// subnormal maximum has made infinite.
bool EveryCurvePointIsFinite(const Plot& plot) {
    for (int i = 0; i < CurvePointCount(plot); ++i) {
        if (!std::isfinite(ModulusPoint(plot, i).y) || !std::isfinite(PhasePoint(plot, i).y)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> DecadeCaptions(int decadeCount) {
    std::vector<std::string> captions;
    for (int j = 0; j <= decadeCount; ++j)
        captions.push_back(FormatFixed(std::pow(10.0, j), 0, "."));
    return captions;
}

}  // namespace

Outcome<Plot> PlotResponse(const GraphInputs& inputs, int rangeIndex,
                           std::string_view decimalSeparator, SweepPool* pool) {
    const Failure undefined{std::string(message::kResponseUndefined)};
    const int n = inputs.N;
    Plot plot;
    plot.RangeIndex = rangeIndex;
    plot.N = n;
    plot.ModulusSweep.assign(SweepLength(n), 0.0);
    plot.PhaseSweep.assign(SweepLength(n), 0.0);
    const std::size_t sampleCount = static_cast<std::size_t>(n) + 2;
    SweepResponse(inputs.values, rangeIndex, n, std::span(plot.ModulusSweep).first(sampleCount),
                  std::span(plot.PhaseSweep).first(sampleCount), pool);
    for (std::size_t i = 0; i < sampleCount; ++i) {
        if (!std::isfinite(plot.ModulusSweep[i]) || !std::isfinite(plot.PhaseSweep[i])) {
            return undefined;
        }
    }

    plot.MaxModulus = SweepMaximum(plot.ModulusSweep, n);
    plot.ModulusScale = kModulusFullScale / plot.MaxModulus;
    // A zero maximum (or one so small that its scale overflows) leaves nothing to draw.
    if (!std::isfinite(plot.ModulusScale)) return undefined;
    plot.MaxPhase = SweepMaximum(plot.PhaseSweep, n);
    plot.PhaseScale = PhaseScale(plot.PhaseSweep, plot.MaxPhase, n);
    if (!EveryCurvePointIsFinite(plot)) return undefined;

    plot.gmaxCaption = FormatFixed(plot.MaxModulus, 2, decimalSeparator);
    plot.halfPowerLevelCaption =
        FormatFixed(kHalfPowerFactor * plot.MaxModulus, 2, decimalSeparator);
    // A finite maximum always has a caption that reads back.
    plot.Gmax = ParseCaption(plot.gmaxCaption, decimalSeparator).value();
    plot.decadeCaptions = DecadeCaptions(rangeIndex);
    return plot;
}

}  // namespace amp
