#include "core/model/circuit_values.h"

#include <cmath>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"

namespace amp {

double ReadSiValue(const FieldTexts& texts, Field field) {
    return ReadFieldNumber(texts[field]) * SiFactor(field);
}

CircuitValues ReadCircuitValues(const FieldTexts& texts) {
    auto read = [&texts](Field field) { return ReadSiValue(texts, field); };
    return {.R1 = read(Field::R1),
            .R2 = read(Field::R2),
            .R = read(Field::R),
            .R3 = read(Field::R3),
            .R4 = read(Field::R4),
            .R5 = read(Field::R5),
            .RL = read(Field::RL),
            .C1 = read(Field::C1),
            .C2 = read(Field::C2),
            .C3 = read(Field::C3),
            .C4 = read(Field::C4),
            .C5 = read(Field::C5),
            .C6 = read(Field::C6),
            .Avo = read(Field::Avo),
            .fc = read(Field::fc)};
}

std::optional<Failure> CheckOpAmpValues(const CircuitValues& values) {
    if (values.Avo == 0.0) return Failure{std::string(message::kAvoZero)};
    if (values.fc == 0.0) return Failure{std::string(message::kFcZero)};
    return std::nullopt;
}

Outcome<int> ReadSampleCount(const std::string& text) {
    const double rounded = std::nearbyint(ReadFieldNumber(text));
    if (!(rounded >= 1.0 && rounded <= kMaxSampleCount)) return Failure{SampleCountRangeMessage()};
    return static_cast<int>(rounded);
}

double SweepFrequency(int decades, int i, int n) {
    return std::pow(10.0, static_cast<double>(decades * i) / static_cast<double>(n));
}

}  // namespace amp
