#include "graph/tolerance_plot.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/field_check.h"
#include "core/number_format.h"
#include "graph/decade_labels.h"
#include "graph/plot_grid.h"

namespace amp {
namespace {

constexpr double kLowestFrequency = 1.0;
constexpr double kHighestFrequency = 1000000.0;
constexpr int kReadoutDecimals = 3;
constexpr std::array<std::string_view, kEvaluationDecades + 1> kDecadeCaptions{
    "1", "10", "100", "1000", "10000", "100000", "1000000"};

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

std::vector<FrameLine> ToleranceFrameLines() {
    std::vector<FrameLine> lines = FrameLines(kEvaluationDecades);
    // The phase grid and the fixed Gmax lines belong to the graph windows' two curves.
    std::erase_if(lines, [](const FrameLine& line) {
        if (line.name == "Line1" || line.name == "Line2") return false;
        for (int j = 1; j <= kEvaluationDecades; ++j) {
            if (line.name == DecadeTickName(kEvaluationDecades, j)) return false;
        }
        return true;
    });
    return lines;
}

std::vector<FrameLabel> ToleranceFrameLabels() {
    std::vector<FrameLabel> labels = FrameLabels(kEvaluationDecades);
    std::erase_if(labels, [](const FrameLabel& label) {
        return label.value != PlotValue::DecadeFrequency && label.name != "Label12";
    });
    for (FrameLabel& label : labels) {
        if (label.value == PlotValue::DecadeFrequency) {
            label.caption = kDecadeCaptions[static_cast<std::size_t>(label.decade)];
        }
    }
    return labels;
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
