#include "graph/pointer_readout.h"

#include <cmath>

#include "core/checks/number_format.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

double PointerFrequency(int decadeCount, double x) {
    return std::pow(10.0, decadeCount * (x - kFrequencyAxisLeft) / kFrequencyAxisSpan);
}

double PointerModulus(double gmax, double y) {
    return gmax * (kModulusZeroY - y) / kModulusFullScale;
}

double PointerPhase(double y) {
    return kPhaseFullScaleDegrees * (kPhaseZeroY - y) / kPhaseFullScale;
}

}  // namespace

ReadoutTexts PointerReadout(ReadoutMode mode, int decadeCount, std::optional<double> gmax, double x,
                            double y, std::string_view decimalSeparator) {
    ReadoutTexts texts{FormatTrimmed(PointerFrequency(decadeCount, x), decimalSeparator), {}};
    if (mode == ReadoutMode::Phase) {
        texts.value = FormatTrimmed(PointerPhase(y), decimalSeparator);
    } else if (gmax) {
        texts.value = FormatTrimmed(PointerModulus(*gmax, y), decimalSeparator);
    }
    return texts;
}

}  // namespace amp
