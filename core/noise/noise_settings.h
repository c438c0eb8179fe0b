#pragma once

#include <string>
#include <string_view>

#include "core/checks/outcome.h"
#include "core/noise/op_amp_parts.h"

namespace amp {

// The texts of the noise window's fields, exactly as typed (a point as decimal separator), and
// the part chosen in its list: a name of kOpAmpParts or kCustomOpAmpName.
struct NoiseTexts {
    std::string part;
    std::string en;           // nV/sqrt(Hz)
    std::string in;           // pA/sqrt(Hz)
    std::string slewRate;     // V/us
    std::string margin;       // V
    std::string supply;       // +-V
    std::string temperature;  // °C
    std::string bandLow;      // Hz, "da"
    std::string bandHigh;     // Hz, "a"
    std::string level;        // V rms, the reference output level

    bool operator==(const NoiseTexts&) const = default;
};

// The window's fields in the order they are checked.
enum class NoiseField { en, in, slewRate, margin, supply, temperature, bandLow, bandHigh, level };
inline constexpr int kNoiseFieldCount = 9;

// The text of one field.
std::string& TextOf(NoiseTexts& texts, NoiseField field);
const std::string& TextOf(const NoiseTexts& texts, NoiseField field);

// What the window starts with: the TL072 (whose Avo and fc are Form1's own defaults) and its
// figures, +-15 V, 25 °C, 20 Hz ... 20 kHz, 1 V rms.
NoiseTexts DefaultNoiseTexts();

// The texts with the part chosen and its en, in, SR and margin written into their fields.
NoiseTexts WithPart(NoiseTexts texts, const OpAmpPart& part);

// The limits the checks state in their messages.
inline constexpr double kLowestNoiseFrequency = 1.0;         // Hz
inline constexpr double kHighestNoiseFrequency = 1000000.0;  // Hz
inline constexpr double kLowestTemperature = -55.0;          // °C
inline constexpr double kHighestTemperature = 150.0;         // °C

// The settings in SI units.
struct NoiseSettings {
    // The part chosen, or null for kCustomOpAmpName.
    const OpAmpPart* part = nullptr;
    double en = 0.0;           // V/sqrt(Hz)
    double in = 0.0;           // A/sqrt(Hz)
    double slewRate = 0.0;     // V/s
    double margin = 0.0;       // V
    double supply = 0.0;       // V, each rail
    double temperature = 0.0;  // °C
    double bandLow = 0.0;      // Hz
    double bandHigh = 0.0;     // Hz
    double level = 0.0;        // V rms
};

// Refuses an unknown part name, then checks the fields in NoiseField order, each like a box of
// Form1 (its "Hai dimenticato di scrivere ... " and "Errore di inserimento dati per ..."
// messages), then the limits in the same order, each with one message built from the limit it
// states: a negative en, in or margin, a slew rate not above zero, a supply not above the margin,
// a temperature outside kLowestTemperature ... kHighestTemperature, a band outside
// kLowestNoiseFrequency ... kHighestNoiseFrequency or with "da" not below "a", a level not above
// zero. The texts of en, in, SR and the margin are read as typed, whatever the part.
Outcome<NoiseSettings> ReadNoiseSettings(const NoiseTexts& texts);

// Whether the supply exceeds the chosen part's largest: computed all the same, but flagged.
bool SupplyAboveRating(const NoiseSettings& settings);

}  // namespace amp
