#include "graph/noise_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/checks/number_format.h"

namespace amp {
namespace {

constexpr double kNanovoltsPerVolt = 1e9;
constexpr int kNoiseAxisSpan = kNoiseAxisRight - kNoiseAxisLeft;
constexpr double kValueSpan = kNoiseAxisBottom - kNoiseAxisTop;
// The largest clean output's scale has about this many steps.
constexpr double kCleanOutputSteps = 5.0;
constexpr std::array<double, 5> kRoundSteps{1.0, 2.0, 2.5, 5.0, 10.0};
// Enough decimals for any step of the scale; trailing zeros go.
constexpr int kTickDecimals = 6;
constexpr int kReadoutDigits = 3;
constexpr int kMostReadoutDecimals = 6;

std::string Trimmed(double value, std::string_view decimalSeparator) {
    std::string text = FormatFixed(value, kTickDecimals, ".");
    const auto point = text.find('.');
    if (point != std::string::npos) {
        const auto lastKept = text.find_last_not_of('0');
        text.erase(lastKept == point ? point : lastKept + 1);
        const auto separator = text.find('.');
        if (separator != std::string::npos) text.replace(separator, 1, decimalSeparator);
    }
    return text;
}

std::string DecadeCaption(int decade, std::string_view decimalSeparator) {
    if (decade >= 0) return "1" + std::string(static_cast<std::size_t>(decade), '0');
    return "0" + std::string(decimalSeparator) +
           std::string(static_cast<std::size_t>(-decade - 1), '0') + "1";
}

// Three significant digits, never in exponent form.
std::string Significant(double value, std::string_view decimalSeparator) {
    int decimals = 0;
    if (value > 0.0 && std::isfinite(value)) {
        decimals = std::clamp(kReadoutDigits - 1 - static_cast<int>(std::floor(std::log10(value))),
                              0, kMostReadoutDecimals);
    }
    return FormatFixed(value, decimals, decimalSeparator);
}

double ValueHeight(double share) {
    return kNoiseAxisBottom - kValueSpan * std::clamp(share, 0.0, 1.0);
}

}  // namespace

double NoiseFrequencyX(double frequency) {
    return kNoiseAxisLeft + kNoiseAxisSpan * std::log10(frequency) / kNoiseDecades;
}

double NoisePointerFrequency(double x) {
    return std::pow(10.0, kNoiseDecades * (x - kNoiseAxisLeft) / kNoiseAxisSpan);
}

std::vector<AxisTick> NoiseFrequencyTicks() {
    std::vector<AxisTick> ticks;
    for (int decade = 0; decade <= kNoiseDecades; ++decade) {
        ticks.push_back(
            {kNoiseAxisLeft + static_cast<double>(kNoiseAxisSpan) * decade / kNoiseDecades,
             DecadeCaption(decade, ".")});
    }
    return ticks;
}

DensityScale DensityScaleOf(const std::vector<double>& density) {
    double smallest = std::numeric_limits<double>::infinity();
    double largest = 0.0;
    for (double value : density) {
        if (!(value > 0.0) || !std::isfinite(value)) continue;
        smallest = std::min(smallest, value * kNanovoltsPerVolt);
        largest = std::max(largest, value * kNanovoltsPerVolt);
    }
    if (largest == 0.0) return {};
    DensityScale scale{static_cast<int>(std::floor(std::log10(smallest))),
                       static_cast<int>(std::ceil(std::log10(largest)))};
    if (scale.highDecade == scale.lowDecade) --scale.lowDecade;
    scale.lowDecade = std::max(scale.lowDecade, scale.highDecade - kDensityDecades);
    return scale;
}

double DensityY(double density, DensityScale scale) {
    if (!(density > 0.0)) return kNoiseAxisBottom;
    const double decades = std::log10(density * kNanovoltsPerVolt) - scale.lowDecade;
    return ValueHeight(decades / (scale.highDecade - scale.lowDecade));
}

std::vector<AxisTick> DensityTicks(DensityScale scale, std::string_view decimalSeparator) {
    std::vector<AxisTick> ticks;
    const int decades = scale.highDecade - scale.lowDecade;
    for (int k = 0; k <= decades; ++k) {
        ticks.push_back({ValueHeight(static_cast<double>(k) / decades),
                         DecadeCaption(scale.lowDecade + k, decimalSeparator)});
    }
    return ticks;
}

CleanOutputScale CleanOutputScaleOf(const std::vector<double>& largestClean) {
    double largest = 0.0;
    for (double value : largestClean) {
        if (std::isfinite(value)) largest = std::max(largest, value);
    }
    if (largest == 0.0) return {};
    const double rough = largest / kCleanOutputSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * kRoundSteps.back();
    for (double round : kRoundSteps) {
        if (round * power >= rough) {
            step = round * power;
            break;
        }
    }
    // A largest value a rounding error above a whole number of steps still ends on the step.
    const double steps = std::ceil(largest / step * (1.0 - 1e-12));
    return {steps * step, step};
}

double CleanOutputY(double volts, CleanOutputScale scale) {
    return ValueHeight(volts / scale.top);
}

std::vector<AxisTick> CleanOutputTicks(CleanOutputScale scale, std::string_view decimalSeparator) {
    std::vector<AxisTick> ticks;
    const auto steps = static_cast<int>(std::lround(scale.top / scale.step));
    for (int k = 0; k <= steps; ++k) {
        const double volts = k * scale.step;
        ticks.push_back({CleanOutputY(volts, scale), Trimmed(volts, decimalSeparator)});
    }
    return ticks;
}

PlotPoint DensityPoint(const NoiseCurves& curves, std::size_t i, DensityScale scale) {
    return {NoiseFrequencyX(curves.frequencies[i]), DensityY(curves.density[i], scale)};
}

PlotPoint CleanOutputPoint(const NoiseCurves& curves, std::size_t i, CleanOutputScale scale) {
    return {NoiseFrequencyX(curves.frequencies[i]), CleanOutputY(curves.largestClean[i], scale)};
}

std::size_t NoiseSampleUnderPointer(const NoiseCurves& curves, double x) {
    const std::vector<double>& f = curves.frequencies;
    const double pointed = NoisePointerFrequency(x);
    const auto above = std::lower_bound(f.begin(), f.end(), pointed);
    if (above == f.begin()) return 0;
    if (above == f.end()) return f.size() - 1;
    const auto below = above - 1;
    const bool nearerBelow = std::log10(pointed / *below) <= std::log10(*above / pointed);
    return static_cast<std::size_t>((nearerBelow ? below : above) - f.begin());
}

NoiseReadoutTexts DensityReadout(const NoiseCurves& curves, double x,
                                 std::string_view decimalSeparator) {
    const std::size_t i = NoiseSampleUnderPointer(curves, x);
    return {FormatTrimmed(NoisePointerFrequency(x), decimalSeparator),
            Significant(curves.density[i] * kNanovoltsPerVolt, decimalSeparator)};
}

NoiseReadoutTexts CleanOutputReadout(const NoiseCurves& curves, double x,
                                     std::string_view decimalSeparator) {
    const std::size_t i = NoiseSampleUnderPointer(curves, x);
    return {FormatTrimmed(NoisePointerFrequency(x), decimalSeparator),
            FormatFixed(curves.largestClean[i], 2, decimalSeparator)};
}

}  // namespace amp
