#include "core/design/sizing.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/checks/number_format.h"
#include "core/model/circuit_values.h"
#include "core/model/complex.h"

namespace amp {
namespace {

struct DesignData {
    double fi, fs, Ri, Avcb, R2, R, R3, R5, RL;
};

DesignData ReadDesignData(const FieldTexts& texts) {
    auto read = [&texts](Field field) { return ReadSiValue(texts, field); };
    return {read(Field::fi), read(Field::fs), read(Field::Ri), read(Field::Avcb), read(Field::R2),
            read(Field::R),  read(Field::R3), read(Field::R5), read(Field::RL)};
}

// The units of the results: resistors in kilo-ohm, capacitors in microfarad or picofarad.
constexpr double kKiloOhmPerOhm = 0.001;
constexpr double kMicrofaradPerFarad = 1E6;
constexpr double kPicofaradPerFarad = 1E12;

// Where each capacitor puts the corner 1 / (2 pi R C) that it forms with its resistor: C1 with Ri,
// C3 with R and C6 with RL at fi / 2, C5 with R5 at fi / 10, C2 with R2 at 50 fs, C4 with R4 at
// 1.5 fs.
constexpr double kCouplingCornerBelowFi = 2.0;
constexpr double kC5CornerBelowFi = 10.0;
constexpr double kC2CornerAboveFs = 50.0;
constexpr double kC4CornerAboveFs = 1.5;

// Values that would make a formula divide by zero, tested in a fixed order.
std::optional<Failure> ZeroTestFailure(const DesignData& d) {
    const std::array<std::pair<double, std::string_view>, 7> zeroTests{{
        {d.fi, message::kFiZero},
        {d.fs, message::kFsZero},
        {d.Ri, message::kRiZero},
        {d.R2, message::kR2Zero},
        {d.R, message::kRZero},
        {d.R5, message::kR5Zero},
        {d.RL, message::kRLZero},
    }};
    for (const auto& [value, text] : zeroTests) {
        if (value == 0.0) return Failure{std::string(text)};
    }
    if (d.Avcb == 1.0) return Failure{std::string(message::kAvcbOne)};
    return std::nullopt;
}

// The sized value formatted as "0.00E+00" with a point, for the given result box.
FieldWrite WriteResult(double value, Field box) {
    return {box, FormatScientific(value)};
}

// Every intermediate of the formulas passes through here. An overflow or a not-a-number anywhere
// makes the design impossible to size, even where a later division by it would turn it back into
// a finite but wrong figure (a capacitor of zero, or R1 computed as if R2 + R were infinite). So
// does a value below the normal range: it has lost the digits that a figure made from it shows.
class IntermediateWatch {
  public:
    double operator()(double value) {
        const int kind = std::fpclassify(value);
        sound_ = sound_ && (kind == FP_NORMAL || kind == FP_ZERO);
        return value;
    }
    bool AllSound() const { return sound_; }

  private:
    bool sound_ = true;
};

}  // namespace

Outcome<std::vector<FieldWrite>> SizeComponents(const FieldTexts& texts) {
    if (auto failure = CheckFields(texts, kSizingCheckOrder)) return *failure;
    const DesignData d = ReadDesignData(texts);
    const Failure impossible{std::string(message::kSizingImpossible)};

    const double series = d.R2 + d.R;
    // With both sides overflowed the comparison says nothing about the design.
    if (!std::isfinite(d.Ri) && !std::isfinite(series)) return impossible;
    if (d.Ri >= series) return Failure{std::string(message::kRiNotBelowSeries)};
    if (auto failure = ZeroTestFailure(d)) return *failure;

    // R3 enters no formula, so its value cannot spoil a result.
    IntermediateWatch v;
    for (double input : {d.fi, d.fs, d.Ri, d.Avcb, d.R2, d.R, d.R5, d.RL}) v(input);

    // Each product and quotient in the order that gives the published figures exactly. A
    // capacitor's corner ratio and its unit meet in one constant: their products are exact, so the
    // quotients are those of the single factors 2E6, 1E12, 1E9 and 1E7.
    const double R4 = v(v(v(d.Avcb - 1.0) * d.R5) * kKiloOhmPerOhm);
    const double R1 = v(kKiloOhmPerOhm / v(v(1.0 / d.Ri) - v(1.0 / v(series))));
    const double angularFi = v(kTwoPi * d.fi);
    const double C1 = v((kCouplingCornerBelowFi * kMicrofaradPerFarad) / v(angularFi * d.Ri));
    const double C2 = v(kPicofaradPerFarad / v(v((2.0 * kC2CornerAboveFs) * kPi * d.fs) * d.R2));
    const double C3 = v((kCouplingCornerBelowFi * kMicrofaradPerFarad) / v(angularFi * d.R));
    // R4 enters in kilo-ohm, as computed above.
    const double C4 =
        v((kPicofaradPerFarad / kOhmPerKiloOhm) / v(v((2.0 * kC4CornerAboveFs) * kPi * d.fs) * R4));
    const double C5 = v((kC5CornerBelowFi * kMicrofaradPerFarad) / v(angularFi * d.R5));
    const double C6 = v((kCouplingCornerBelowFi * kMicrofaradPerFarad) / v(angularFi * d.RL));
    if (!v.AllSound()) return impossible;

    const std::array<std::pair<double, Field>, 8> results{{
        {R1, Field::R1},
        {C1, Field::C1},
        {C2, Field::C2},
        {C3, Field::C3},
        {C4, Field::C4},
        {C5, Field::C5},
        {C6, Field::C6},
        {R4, Field::R4},
    }};
    std::vector<FieldWrite> writes;
    writes.reserve(results.size());
    for (const auto& [value, box] : results) {
        // Once the zero tests have passed, a result of zero or below the normal range can only
        // come from an underflow. A value just below the largest double can round up past it in
        // the written text, which would then fail its own check when read back.
        FieldWrite write = WriteResult(value, box);
        if (!std::isnormal(value) || !std::isnormal(ReadFieldNumber(write.text))) return impossible;
        writes.push_back(std::move(write));
    }
    return writes;
}

}  // namespace amp
