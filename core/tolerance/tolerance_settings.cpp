#include "core/tolerance/tolerance_settings.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace amp {
namespace {

constexpr double kPerCent = 100.0;

// The number the whole text writes, with a point; nothing for any other text.
std::optional<double> WholeTextNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A tolerance typed in per cent, as a fraction.
std::optional<double> ReadTolerance(std::string_view text) {
    const std::optional<double> percent = WholeTextNumber(text);
    if (!percent || *percent < 0.0 || *percent >= kPerCent) return std::nullopt;
    return *percent / kPerCent;
}

std::optional<double> ReadWholeNumber(std::string_view text, double lowest, double highest) {
    const std::optional<double> value = WholeTextNumber(text);
    if (!value || *value != std::floor(*value) || *value < lowest || *value > highest) {
        return std::nullopt;
    }
    return *value;
}

}  // namespace

Outcome<ToleranceSettings> ReadToleranceSettings(const ToleranceTexts& texts) {
    ToleranceSettings settings;
    settings.distribution = texts.distribution;
    const std::pair<const std::string*, double*> tolerances[] = {
        {&texts.resistors, &settings.tolerances.resistors},
        {&texts.capacitors, &settings.tolerances.capacitors},
        {&texts.Avo, &settings.tolerances.Avo},
        {&texts.fc, &settings.tolerances.fc},
    };
    constexpr std::string_view kMessages[] = {message::kResistorTolerance,
                                              message::kCapacitorTolerance, message::kAvoTolerance,
                                              message::kFcTolerance};
    for (std::size_t k = 0; k < std::size(tolerances); ++k) {
        const std::optional<double> tolerance = ReadTolerance(*tolerances[k].first);
        if (!tolerance) return Failure{std::string(kMessages[k])};
        *tolerances[k].second = *tolerance;
    }
    const auto trials = ReadWholeNumber(texts.trials, 1.0, kMostTrials);
    if (!trials) return Failure{std::string(message::kTrialCount)};
    settings.trials = static_cast<int>(*trials);
    const auto seed = ReadWholeNumber(texts.seed, 0.0, static_cast<double>(kLargestSeed));
    if (!seed) return Failure{std::string(message::kSeed)};
    settings.seed = static_cast<std::uint64_t>(*seed);
    return settings;
}

}  // namespace amp
