#include "core/parts/parts_list.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "core/checks/field_check.h"
#include "core/parts/standard_series.h"

namespace amp {
namespace {

constexpr std::string_view kCsvHeader = "sigla,quantità,valore,valore nel campo,serie\n";

// A resistor or a capacitor: its box, how many the circuit has and its SI unit.
struct PassivePart {
    Field field;
    int count;
    std::string_view siSymbol;
};

constexpr std::array<PassivePart, 12> kPassiveParts{{
    {Field::R1, 1, "Ω"},
    {Field::R2, 1, "Ω"},
    {Field::R3, 1, "Ω"},
    {Field::R4, 1, "Ω"},
    {Field::R5, 1, "Ω"},
    {Field::R, 2, "Ω"},
    {Field::C1, 1, "F"},
    {Field::C2, 1, "F"},
    {Field::C3, 1, "F"},
    {Field::C4, 1, "F"},
    {Field::C5, 1, "F"},
    {Field::C6, 1, "F"},
}};

constexpr std::array<std::string_view, 2> kOpAmps{"U1", "U2"};

// The parts' fields in the order of the list, the first failure reported.
constexpr std::array<Field, kPassiveParts.size() + 2> kPartsListCheckOrder = [] {
    std::array<Field, kPassiveParts.size() + 2> order{};
    std::size_t at = 0;
    for (const PassivePart& part : kPassiveParts) order[at++] = part.field;
    order[at++] = Field::Avo;
    order[at++] = Field::fc;
    return order;
}();

// Fifteen significant digits: a value typed in decimals shows as typed, without the last digits
// of its conversion into SI units (1.93 uF is 1.93e-06, not 1.9299999999999999e-06).
std::string SiNumber(double value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                       std::chars_format::general, 15);
    return std::string(digits.data(), written.ptr);
}

void AppendLine(std::string& csv, std::initializer_list<std::string_view> cells) {
    bool first = true;
    for (std::string_view cell : cells) {
        if (!first) csv += ',';
        csv += cell;
        first = false;
    }
    csv += '\n';
}

}  // namespace

Outcome<std::string> PartsListCsv(const FieldTexts& texts, std::string_view opAmpPart) {
    if (auto failure = CheckFields(texts, kPartsListCheckOrder)) return *failure;
    std::string csv(kCsvHeader);
    for (const PassivePart& part : kPassiveParts) {
        const std::string& typed = texts[part.field];
        const double value = ReadFieldNumber(typed);
        const std::optional<StandardSeries> series = SmallestSeriesHolding(value);
        AppendLine(csv, {FieldSymbol(part.field), std::to_string(part.count),
                         SiNumber(value * SiFactor(part.field)) + ' ' + std::string(part.siSymbol),
                         typed + ' ' + std::string(FieldUnitName(part.field)),
                         series ? SeriesName(*series) : std::string_view()});
    }
    const std::string& avo = texts[Field::Avo];
    const std::string& fc = texts[Field::fc];
    std::string value = "Avo " + SiNumber(ReadFieldNumber(avo)) + " fc " +
                        SiNumber(ReadFieldNumber(fc) * kHertzPerMegahertz) + " Hz";
    if (!opAmpPart.empty()) value = std::string(opAmpPart) + ' ' + value;
    const std::string typed =
        "Avo " + avo + " fc " + fc + ' ' + std::string(FieldUnitName(Field::fc));
    for (std::string_view opAmp : kOpAmps) AppendLine(csv, {opAmp, "1", value, typed, {}});
    return csv;
}

}  // namespace amp
