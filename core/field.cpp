#include "core/field.h"

namespace amp {
namespace {

struct FieldLabels {
    std::string_view symbol;
    std::string_view unit;
};

constexpr std::array<FieldLabels, kFieldCount> kLabels{{
    {"fi", "[Hz]"},  {"fs", "[Hz]"},   {"Ri", "[kohm]"}, {"Avcb", ""},     {"R2", "[kohm]"},
    {"R", "[kohm]"}, {"R3", "[kohm]"}, {"R5", "[kohm]"}, {"RL", "[kohm]"}, {"R1", "[kohm]"},
    {"C1", "[uF]"},  {"C2", "[pF]"},   {"C3", "[uF]"},   {"C4", "[pF]"},   {"C5", "[uF]"},
    {"C6", "[uF]"},  {"Avo", ""},      {"fc", "[MHz]"},  {"R4", "[kohm]"}, {"N", ""},
    {"f", "[Hz]"},
}};

}  // namespace

std::string_view FieldSymbol(Field field) {
    return kLabels[TextBoxNumber(field) - 1].symbol;
}

std::string_view FieldUnit(Field field) {
    return kLabels[TextBoxNumber(field) - 1].unit;
}

std::string_view FieldUnitName(Field field) {
    std::string_view unit = FieldUnit(field);
    if (!unit.empty()) unit = unit.substr(1, unit.size() - 2);
    return unit;
}

}  // namespace amp
