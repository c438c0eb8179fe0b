#include "core/circuit_values.h"

#include <cmath>

#include "core/field_check.h"
#include "core/messages.h"

namespace amp {
CircuitValues ReadCircuitValues(const FieldTexts& texts) {
    auto read = [&texts](Field field, double factor) {
        return ReadFieldNumber(texts[field]) * factor;
    };
    CircuitValues v;
    v.R1 = read(Field::R1, kOhmPerKiloOhm);
    v.R2 = read(Field::R2, kOhmPerKiloOhm);
    v.R = read(Field::R, kOhmPerKiloOhm);
    v.R3 = read(Field::R3, kOhmPerKiloOhm);
    v.R4 = read(Field::R4, kOhmPerKiloOhm);
    v.R5 = read(Field::R5, kOhmPerKiloOhm);
    v.RL = read(Field::RL, kOhmPerKiloOhm);
    v.C1 = read(Field::C1, kFaradPerMicrofarad);
    v.C2 = read(Field::C2, kFaradPerPicofarad);
    v.C3 = read(Field::C3, kFaradPerMicrofarad);
    v.C4 = read(Field::C4, kFaradPerPicofarad);
    v.C5 = read(Field::C5, kFaradPerMicrofarad);
    v.C6 = read(Field::C6, kFaradPerMicrofarad);
    v.Avo = read(Field::Avo, 1.0);
    v.fc = read(Field::fc, kHertzPerMegahertz);
    return v;
}

std::optional<std::string> CheckOpAmpValues(const CircuitValues& values) {
    if (values.Avo == 0.0) return std::string(message::kAvoZero);
    if (values.fc == 0.0) return std::string(message::kFcZero);
    return std::nullopt;
}

Outcome<int> ReadSampleCount(const std::string& text) {
    const double rounded = std::nearbyint(ReadFieldNumber(text));
    if (!(rounded >= 1.0 && rounded <= kMaxSampleCount)) {
        return Failure{std::string(message::kSampleCountRange)};
    }
    return static_cast<int>(rounded);
}

double SweepFrequency(int decades, int i, int n) {
    return std::pow(10.0, static_cast<double>(decades * i) / static_cast<double>(n));
}

}  // namespace amp
