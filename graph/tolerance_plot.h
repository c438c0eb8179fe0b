#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tolerance/tolerance_analysis.h"
#include "graph/plot.h"

namespace amp {

// The tolerance analysis' plot: |Vo/Vi| over the evaluation's six decades, 1 Hz ... 1 MHz, on the
// graph windows' plot area and its logarithmic frequency axis, in twips.

// Twips per unit of modulus: the largest modulus of any trial (or of the nominal design) reaches
// the top of the modulus band.
double ToleranceModulusScale(const ToleranceBand& band);

// The height of a modulus at the scale.
inline double ModulusY(double modulus, double scale) {
    return kModulusZeroY - scale * modulus;
}

// Point i (0 ... N) of one of the band's curves at the scale.
inline PlotPoint BandPoint(const std::vector<double>& curve, int i, double scale) {
    return {SampleX(i, static_cast<int>(curve.size()) - 1), ModulusY(curve[i], scale)};
}

// Where a target frequency typed in Form1 (fi or fs) stands on the axis: nothing for a text that
// is no number or a frequency outside 1 Hz ... 1 MHz.
std::optional<double> TargetX(std::string_view typedFrequency);

// The sample nearest a pointer at x, within 0 ... n.
int SampleUnderPointer(double x, int n);

// What the side panel reads out for a pointer at x: the frequency there, as the graph windows
// read it, and at the nearest sample the band's limits and the nominal modulus ("0.000").
struct BandReadoutTexts {
    std::string frequency;
    std::string maximum;
    std::string p95;
    std::string nominal;
    std::string p5;
    std::string minimum;

    bool operator==(const BandReadoutTexts&) const = default;
};
BandReadoutTexts BandReadout(const ToleranceResult& result, double x,
                             std::string_view decimalSeparator);

}  // namespace amp
