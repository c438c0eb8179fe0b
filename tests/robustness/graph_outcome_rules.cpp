#include "tests/robustness/graph_outcome_rules.h"

#include <cmath>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/model/circuit_values.h"
#include "core/sweep/response_sweep.h"
#include "graph/plot_grid.h"
#include "tests/robustness/outcome_rules.h"

namespace amp::robustness {
namespace {

// The top of the modulus band, where the largest modulus lies; a little slack for rounding.
constexpr double kModulusTopY = kModulusZeroY - kModulusFullScale;
constexpr double kBandSlack = 1E-6;

bool IsMessageAfterRange(std::string_view message) {
    return message == message::kAvoZero || message == message::kFcZero ||
           message == SampleCountRangeMessage();
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::optional<std::string> LevelCaptionDefect(const std::string& caption,
                                              std::string_view separator) {
    if (auto defect = ShownTextDefect(caption, separator)) return defect;
    const auto value = FixedCaptionValue(caption, 2, separator);
    if (!value || caption.front() == '-')
        return "level " + Quoted(caption) + " is not a plain 0.00";
    return std::nullopt;
}

std::optional<std::string> DecadeCaptionsDefect(const Plot& plot) {
    if (plot.decadeCaptions.size() != static_cast<std::size_t>(plot.RangeIndex) + 1) {
        return "not one caption per decade label";
    }
    std::string expected = "1";
    for (const std::string& caption : plot.decadeCaptions) {
        if (caption != expected)
            return "a decade label shows " + Quoted(caption) + " for " + expected;
        expected += '0';
    }
    return std::nullopt;
}

std::optional<std::string> CurveDefect(const Plot& plot) {
    for (int i = 0; i < CurvePointCount(plot); ++i) {
        const PlotPoint modulus = ModulusPoint(plot, i);
        const PlotPoint phase = PhasePoint(plot, i);
        if (!std::isfinite(modulus.x) || !std::isfinite(modulus.y) || !std::isfinite(phase.x) ||
            !std::isfinite(phase.y)) {
            return "curve point " + std::to_string(i) + " is not finite";
        }
        // Sample N + 1 lies beyond the top of the range and may rise above the largest modulus.
        const bool withinBand =
            modulus.y >= kModulusTopY - kBandSlack && modulus.y <= kModulusZeroY + kBandSlack;
        if (i <= plot.N && !withinBand) {
            return "modulus point " + std::to_string(i) + " at y " + std::to_string(modulus.y) +
                   " leaves the band";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> GraphRequestDefect(const FieldTexts& texts,
                                              std::optional<int> selectedRange,
                                              const GraphRequest& request) {
    const Failure* failure = FailureOf(request.inputs);
    if (!failure) {
        if (auto defect = ChecksPassedDefect(texts, kGraphCheckOrder)) return defect;
        if (!selectedRange) return "granted without a range";
        if (request.RangeIndex != selectedRange) return "RangeIndex is not the selected range";
        const int n = std::get<GraphInputs>(request.inputs).N;
        if (n < 1 || n > kMaxSampleCount) return "N " + std::to_string(n) + " out of its bound";
        return std::nullopt;
    }

    if (auto defect = FailureDefect(*failure, texts, kGraphCheckOrder)) return defect;
    // FailureDefect has matched a field's message to the first failing field; what remains are
    // the fixed messages.
    const std::string& message = failure->message;
    const bool fieldFailed = ChecksPassedDefect(texts, kGraphCheckOrder).has_value();
    const bool rangeMessage = message == message::kNoRangeSelected;
    const bool afterRange = IsMessageAfterRange(message);
    if (!fieldFailed && !rangeMessage && !afterRange) {
        return Quoted(message) + " is no message of the graph request";
    }
    if (rangeMessage && selectedRange) return "the range message with a range selected";
    if (afterRange && !selectedRange) return Quoted(message) + " before the range message";
    const std::optional<int> expectedRange = afterRange ? selectedRange : std::nullopt;
    if (request.RangeIndex != expectedRange) return "RangeIndex wrongly set or missing";
    return std::nullopt;
}

std::optional<std::string> PlotDefect(const GraphInputs& inputs, int rangeIndex,
                                      const Outcome<Plot>& outcome, std::string_view separator) {
    if (const Failure* failure = FailureOf(outcome)) {
        if (failure->message == message::kResponseUndefined) return std::nullopt;
        return "the plot refused with " + Quoted(failure->message);
    }
    const Plot& plot = std::get<Plot>(outcome);
    if (plot.RangeIndex != rangeIndex || plot.N != inputs.N) return "plot of another request";
    const std::size_t entries = SweepLength(plot.N);
    if (plot.ModulusSweep.size() != entries || plot.PhaseSweep.size() != entries) {
        return "the sweeps do not hold SweepLength(N) entries";
    }
    if (auto defect = LevelCaptionDefect(plot.gmaxCaption, separator)) return "Gmax " + *defect;
    if (auto defect = LevelCaptionDefect(plot.halfPowerLevelCaption, separator)) {
        return "0.707 Gmax " + *defect;
    }
    if (auto defect = DecadeCaptionsDefect(plot)) return defect;
    return CurveDefect(plot);
}

}  // namespace amp::robustness
