#include "core/checks/field.h"

namespace amp {
namespace {

// A unit as the label beside a box shows it, with its factor into SI units.
struct Unit {
    std::string_view label;
    double siFactor;
};

constexpr Unit kNoUnit{"", 1.0};
constexpr Unit kHertz{"[Hz]", 1.0};
constexpr Unit kMegahertz{"[MHz]", kHertzPerMegahertz};
constexpr Unit kKiloOhm{"[kohm]", kOhmPerKiloOhm};
constexpr Unit kMicrofarad{"[uF]", kFaradPerMicrofarad};
constexpr Unit kPicofarad{"[pF]", kFaradPerPicofarad};

struct FieldLabels {
    std::string_view symbol;
    Unit unit;
};

constexpr std::array<FieldLabels, kFieldCount> kLabels{{
    {"fi", kHertz},      {"fs", kHertz},     {"Ri", kKiloOhm},    {"Avcb", kNoUnit},
    {"R2", kKiloOhm},    {"R", kKiloOhm},    {"R3", kKiloOhm},    {"R5", kKiloOhm},
    {"RL", kKiloOhm},    {"R1", kKiloOhm},   {"C1", kMicrofarad}, {"C2", kPicofarad},
    {"C3", kMicrofarad}, {"C4", kPicofarad}, {"C5", kMicrofarad}, {"C6", kMicrofarad},
    {"Avo", kNoUnit},    {"fc", kMegahertz}, {"R4", kKiloOhm},    {"N", kNoUnit},
    {"f", kHertz},
}};

}  // namespace

std::string_view FieldSymbol(Field field) {
    return kLabels[TextBoxNumber(field) - 1].symbol;
}

std::string_view FieldUnit(Field field) {
    return kLabels[TextBoxNumber(field) - 1].unit.label;
}

double SiFactor(Field field) {
    return kLabels[TextBoxNumber(field) - 1].unit.siFactor;
}

std::string_view FieldUnitName(Field field) {
    std::string_view unit = FieldUnit(field);
    if (!unit.empty()) unit = unit.substr(1, unit.size() - 2);
    return unit;
}

}  // namespace amp
