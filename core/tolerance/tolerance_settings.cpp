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
    if (!percent || *percent < 0.0 || *percent >= kTolerancePercentBound) return std::nullopt;
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
    const struct {
        const std::string* text;
        double* tolerance;
        std::string_view tolerated;
    } tolerances[] = {
        {&texts.resistors, &settings.tolerances.resistors, "dei resistori"},
        {&texts.capacitors, &settings.tolerances.capacitors, "dei condensatori"},
        {&texts.Avo, &settings.tolerances.Avo, "di Avo"},
        {&texts.fc, &settings.tolerances.fc, "di fc"},
    };
    for (const auto& field : tolerances) {
        const std::optional<double> tolerance = ReadTolerance(*field.text);
        if (!tolerance) return Failure{ToleranceRangeMessage(field.tolerated)};
        *field.tolerance = *tolerance;
    }
    const auto trials = ReadWholeNumber(texts.trials, kFewestTrials, kMostTrials);
    if (!trials) return Failure{TrialCountRangeMessage()};
    settings.trials = static_cast<int>(*trials);
    const auto seed = ReadWholeNumber(texts.seed, 0.0, static_cast<double>(kLargestSeed));
    if (!seed) return Failure{SeedRangeMessage()};
    settings.seed = static_cast<std::uint64_t>(*seed);
    return settings;
}

std::string ToleranceRangeMessage(std::string_view tolerated) {
    return "La tolleranza " + std::string(tolerated) + " deve essere un numero da 0 a meno di " +
           std::to_string(kTolerancePercentBound) +
           " (%), scritto con il punto come separatore decimale!";
}

std::string TrialCountRangeMessage() {
    return "Il numero di prove deve essere un numero intero da " + std::to_string(kFewestTrials) +
           " a " + std::to_string(kMostTrials) + "!";
}

std::string SeedRangeMessage() {
    return "Il seme deve essere un numero intero da 0 a " + std::to_string(kLargestSeed) + "!";
}

}  // namespace amp
