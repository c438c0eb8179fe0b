#include "graph/tolerance_plot.h"

#include <algorithm>
#include <cmath>

#include "core/checks/field_check.h"
#include "core/checks/number_format.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

constexpr double kLowestFrequency = 1.0;
constexpr double kHighestFrequency = 1000000.0;
constexpr int kReadoutDecimals = 3;

}  // namespace

double ToleranceModulusScale(const ToleranceBand& band) {
    const double largest = std::max(*std::max_element(band.maximum.begin(), band.maximum.end()),
                                    *std::max_element(band.nominal.begin(), band.nominal.end()));
    return kModulusFullScale / largest;
}

std::optional<double> TargetX(std::string_view typedFrequency) {
    if (CheckNumericField(typedFrequency, Field::fi)) return std::nullopt;
    const double frequency = ReadFieldNumber(typedFrequency);
    if (!(frequency >= kLowestFrequency && frequency <= kHighestFrequency)) return std::nullopt;
    return kFrequencyAxisLeft + kFrequencyAxisSpan * std::log10(frequency) / kEvaluationDecades;
}

int SampleUnderPointer(double x, int n) {
    const double sample = std::round((x - kFrequencyAxisLeft) * n / kFrequencyAxisSpan);
    return static_cast<int>(std::clamp(sample, 0.0, static_cast<double>(n)));
}

BandReadoutTexts BandReadout(const ToleranceResult& result, double x,
                             std::string_view decimalSeparator) {
    const double frequency =
        std::pow(10.0, kEvaluationDecades * (x - kFrequencyAxisLeft) / kFrequencyAxisSpan);
    const ToleranceBand& band = result.band;
    const auto i = static_cast<std::size_t>(SampleUnderPointer(x, result.n));
    const auto modulus = [&decimalSeparator](double value) {
        return FormatFixed(value, kReadoutDecimals, decimalSeparator);
    };
    return {FormatTrimmed(frequency, decimalSeparator),
            modulus(band.maximum[i]),
            modulus(band.p95[i]),
            modulus(band.nominal[i]),
            modulus(band.p5[i]),
            modulus(band.minimum[i])};
}

}  // namespace amp
