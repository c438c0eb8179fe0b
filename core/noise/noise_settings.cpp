#include "core/noise/noise_settings.h"

#include <array>
#include <cctype>
#include <optional>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/checks/number_format.h"

namespace amp {
namespace {

constexpr double kVoltPerNanovolt = 1E-9;
constexpr double kAmperePerPicoampere = 1E-12;
constexpr double kVoltPerSecondPerVoltPerMicrosecond = 1E6;

// How one field is read: where its text and its value live, the subject its messages name and the
// factor of its unit into SI units.
struct NoiseFieldReading {
    std::string NoiseTexts::*text;
    double NoiseSettings::*value;
    std::string_view subject;
    double siFactor;
};

// In NoiseField order.
constexpr std::array<NoiseFieldReading, kNoiseFieldCount> kReadings{{
    {&NoiseTexts::en, &NoiseSettings::en, "il rumore di tensione en", kVoltPerNanovolt},
    {&NoiseTexts::in, &NoiseSettings::in, "il rumore di corrente in", kAmperePerPicoampere},
    {&NoiseTexts::slewRate, &NoiseSettings::slewRate, "lo slew rate SR",
     kVoltPerSecondPerVoltPerMicrosecond},
    {&NoiseTexts::margin, &NoiseSettings::margin, "il margine di uscita", 1.0},
    {&NoiseTexts::supply, &NoiseSettings::supply, "la tensione di alimentazione", 1.0},
    {&NoiseTexts::temperature, &NoiseSettings::temperature, "la temperatura", 1.0},
    {&NoiseTexts::bandLow, &NoiseSettings::bandLow, "la frequenza inferiore della banda", 1.0},
    {&NoiseTexts::bandHigh, &NoiseSettings::bandHigh, "la frequenza superiore della banda", 1.0},
    {&NoiseTexts::level, &NoiseSettings::level, "il livello di riferimento", 1.0},
}};

const NoiseFieldReading& ReadingOf(NoiseField field) {
    return kReadings[static_cast<std::size_t>(field)];
}

// A message about the field: its subject, capitalised, then what it must be.
Failure Refusal(NoiseField field, std::string_view predicate) {
    std::string text(ReadingOf(field).subject);
    text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    text += predicate;
    return Failure{std::move(text)};
}

std::string BetweenPredicate(double lowest, double highest, std::string_view unit) {
    std::string text = " deve essere compresa tra " + FormatShortestPlain(lowest);
    text.append(" ").append(unit).append(" e ").append(FormatShortestPlain(highest));
    text.append(" ").append(unit).append("!");
    return text;
}

constexpr std::string_view kNotNegative = " non può essere negativo!";
constexpr std::string_view kAboveZero = " deve essere maggiore di zero!";

bool Outside(double value, double lowest, double highest) {
    return value < lowest || value > highest;
}

// The limits of the read values, in the order of the fields they concern.
std::optional<Failure> CheckLimits(const NoiseSettings& settings) {
    using enum NoiseField;
    if (settings.en < 0.0) return Refusal(en, kNotNegative);
    if (settings.in < 0.0) return Refusal(in, kNotNegative);
    if (!(settings.slewRate > 0.0)) return Refusal(slewRate, kAboveZero);
    if (settings.margin < 0.0) return Refusal(margin, kNotNegative);
    if (!(settings.supply > settings.margin)) {
        return Refusal(supply, " deve essere maggiore del margine di uscita!");
    }
    if (Outside(settings.temperature, kLowestTemperature, kHighestTemperature)) {
        return Refusal(temperature,
                       BetweenPredicate(kLowestTemperature, kHighestTemperature, "°C"));
    }
    const std::string bandLimits =
        BetweenPredicate(kLowestNoiseFrequency, kHighestNoiseFrequency, "Hz");
    if (Outside(settings.bandLow, kLowestNoiseFrequency, kHighestNoiseFrequency)) {
        return Refusal(bandLow, bandLimits);
    }
    if (Outside(settings.bandHigh, kLowestNoiseFrequency, kHighestNoiseFrequency)) {
        return Refusal(bandHigh, bandLimits);
    }
    if (!(settings.bandLow < settings.bandHigh)) {
        return Refusal(bandLow, " deve essere minore della frequenza superiore!");
    }
    if (!(settings.level > 0.0)) return Refusal(level, kAboveZero);
    return std::nullopt;
}

}  // namespace

std::string& TextOf(NoiseTexts& texts, NoiseField field) {
    return texts.*ReadingOf(field).text;
}

const std::string& TextOf(const NoiseTexts& texts, NoiseField field) {
    return texts.*ReadingOf(field).text;
}

NoiseTexts DefaultNoiseTexts() {
    static_assert(kOpAmpParts.front().name == "TL072", "Form1's Avo and fc are the TL072's");
    NoiseTexts texts = WithPart({}, kOpAmpParts.front());
    texts.supply = "15";
    texts.temperature = "25";
    texts.bandLow = "20";
    texts.bandHigh = "20000";
    texts.level = "1";
    return texts;
}

NoiseTexts WithPart(NoiseTexts texts, const OpAmpPart& part) {
    texts.part = part.name;
    texts.en = FormatShortestPlain(part.en);
    texts.in = FormatShortestPlain(part.in);
    texts.slewRate = FormatShortestPlain(part.slewRate);
    texts.margin = FormatShortestPlain(part.outputMargin);
    return texts;
}

Outcome<NoiseSettings> ReadNoiseSettings(const NoiseTexts& texts) {
    NoiseSettings settings;
    if (texts.part != kCustomOpAmpName) {
        settings.part = FindOpAmpPart(texts.part);
        if (settings.part == nullptr) {
            return Failure{"L'operazionale \"" + texts.part + "\" non è nell'elenco!"};
        }
    }
    for (const NoiseFieldReading& reading : kReadings) {
        const std::string missing = MissingValueMessage(reading.subject);
        if (auto failure = CheckNumericField(texts.*reading.text, {missing, reading.subject})) {
            return *failure;
        }
    }
    for (const NoiseFieldReading& reading : kReadings) {
        settings.*reading.value = ReadFieldNumber(texts.*reading.text) * reading.siFactor;
    }
    if (auto failure = CheckLimits(settings)) return *failure;
    return settings;
}

bool SupplyAboveRating(const NoiseSettings& settings) {
    return settings.part != nullptr && settings.supply > settings.part->largestSupply;
}

}  // namespace amp
