#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/field.h"
#include "core/design/evaluation.h"
#include "core/parts/standard_series.h"

namespace amp {

class SweepPool;

// The parts that "Dimensiona componenti" sizes, in the order the standard values list them.
inline constexpr std::array<Field, 8> kSizedParts = [] {
    using enum Field;
    return std::array{R1, R4, C1, C2, C3, C4, C5, C6};
}();

// The series offered for the resistors and for the capacitors, and the first choice of each.
inline constexpr std::array<StandardSeries, 5> kResistorSeries{
    StandardSeries::E12, StandardSeries::E24, StandardSeries::E48, StandardSeries::E96,
    StandardSeries::E192};
inline constexpr std::array<StandardSeries, 3> kCapacitorSeries{
    StandardSeries::E6, StandardSeries::E12, StandardSeries::E24};

struct SeriesChoice {
    StandardSeries resistors = StandardSeries::E24;
    StandardSeries capacitors = StandardSeries::E12;
};

// The choice in words, for the record of what was applied: "E24 (resistori), E12 (condensatori)".
std::string SeriesChoiceText(SeriesChoice choice);

// One sized part: its box's text with the box's unit ("9.35E+01 kohm"), the nearest standard
// value as it would be written into the box, with the unit ("9.10E+01 kohm"), and how far that
// lies from the box's value, in percent with its sign ("-2.67 %"). The last two are empty when
// the part has none.
struct PartLine {
    Field part;
    std::string boxValue;
    std::string standardValue;
    std::string deviation;

    bool operator==(const PartLine&) const = default;
};

// What rounding the sized parts to standard values does to the response.
struct StandardValuesReport {
    // The parts in the order of kSizedParts.
    std::vector<PartLine> parts;
    // Avcb, fi and fs as their boxes target them, in the formats of the band's figures; each
    // empty when its box fails its check.
    BandFigures targets;
    // The evaluation's band with the values in the boxes, and with the standard values in their
    // place; nothing when it cannot be found.
    std::optional<BandFigures> withBoxValues;
    std::optional<BandFigures> withStandardValues;
    // The eight standard values as the boxes take them ("0.00E+00", a point); empty unless every
    // part has one.
    std::vector<FieldWrite> standardWrites;
    // The first reason why something above is missing; nothing when nothing is.
    std::optional<Failure> failure;
};

// The standard values of the sized parts in the chosen series and the band with them, from the
// texts of the boxes. Figures are written with the given decimal separator; a pool shares the
// sweeps among its threads.
StandardValuesReport ReportStandardValues(const FieldTexts& texts, SeriesChoice series,
                                          std::string_view decimalSeparator,
                                          SweepPool* pool = nullptr);

// The same with the band of the boxes' values that EvaluateBand found for these texts and this
// separator, which no choice of series changes: a change of series sweeps once instead of twice.
StandardValuesReport ReportStandardValues(const FieldTexts& texts,
                                          const Outcome<BandFigures>& withBoxValues,
                                          SeriesChoice series, std::string_view decimalSeparator,
                                          SweepPool* pool = nullptr);

}  // namespace amp
