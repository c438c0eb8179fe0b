#include "core/parts/standard_values_report.h"

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/checks/number_format.h"

namespace amp {
namespace {

// Every field the report reads, in the order its first failure is reported: the band's, then the
// targets'.
constexpr std::array<Field, kGraphCheckOrder.size() + 3> kReportCheckOrder = [] {
    std::array<Field, kGraphCheckOrder.size() + 3> order{};
    std::size_t at = 0;
    for (Field field : kGraphCheckOrder) order[at++] = field;
    for (Field field : {Field::fi, Field::fs, Field::Avcb}) order[at++] = field;
    return order;
}();

bool IsResistor(Field part) {
    return part == Field::R1 || part == Field::R4;
}

// The box's text or value with the box's unit: "9.35E+01 kohm".
std::string WithUnit(const std::string& text, Field part) {
    return text + ' ' + std::string(FieldUnitName(part));
}

std::string Deviation(double boxValue, double standardValue, std::string_view decimalSeparator) {
    std::string text =
        FormatFixed((standardValue - boxValue) / boxValue * 100.0, 2, decimalSeparator);
    // A rise shows its sign as plainly as a fall; a deviation shown as zero has none.
    if (text.front() != '-' && text.find_first_of("123456789") != std::string::npos) {
        text.insert(0, 1, '+');
    }
    return text + " %";
}

// The target as its box holds it, in the format of the figure it is compared with.
std::string Target(const FieldTexts& texts, Field field, int decimals,
                   std::string_view decimalSeparator) {
    if (CheckNumericField(texts[field], field)) return {};
    return FormatFixed(ReadFieldNumber(texts[field]), decimals, decimalSeparator);
}

}  // namespace

std::string SeriesChoiceText(SeriesChoice choice) {
    std::string text(SeriesName(choice.resistors));
    text += " (resistori), ";
    text += SeriesName(choice.capacitors);
    text += " (condensatori)";
    return text;
}

StandardValuesReport ReportStandardValues(const FieldTexts& texts, SeriesChoice series,
                                          std::string_view decimalSeparator, SweepPool* pool) {
    return ReportStandardValues(texts, EvaluateBand(texts, decimalSeparator, pool), series,
                                decimalSeparator, pool);
}

StandardValuesReport ReportStandardValues(const FieldTexts& texts,
                                          const Outcome<BandFigures>& withBoxValues,
                                          SeriesChoice series, std::string_view decimalSeparator,
                                          SweepPool* pool) {
    StandardValuesReport report;
    std::optional<Failure> noStandardValue;
    for (Field part : kSizedParts) {
        const std::string& text = texts[part];
        PartLine line{part, text.empty() ? std::string() : WithUnit(text, part), {}, {}};
        if (!CheckNumericField(text, part)) {
            const double value = ReadFieldNumber(text);
            const std::optional<double> standard =
                Nearest(value, IsResistor(part) ? series.resistors : series.capacitors);
            if (standard) {
                FieldWrite write{part, FormatScientific(*standard)};
                line.standardValue = WithUnit(write.text, part);
                line.deviation = Deviation(value, *standard, decimalSeparator);
                report.standardWrites.push_back(std::move(write));
            } else if (!noStandardValue) {
                noStandardValue = Failure{NoStandardValueMessage(part)};
            }
        }
        report.parts.push_back(std::move(line));
    }
    if (report.standardWrites.size() != kSizedParts.size()) report.standardWrites.clear();

    report.targets = {Target(texts, Field::Avcb, 2, decimalSeparator),
                      Target(texts, Field::fi, 1, decimalSeparator),
                      Target(texts, Field::fs, 0, decimalSeparator)};

    if (const auto* band = std::get_if<BandFigures>(&withBoxValues)) report.withBoxValues = *band;
    std::optional<Failure> standardBandFailure;
    if (!report.standardWrites.empty()) {
        // The texts as "Applica" leaves them, so that "Calcola" then finds these figures.
        FieldTexts applied = texts;
        for (const FieldWrite& write : report.standardWrites) applied[write.field] = write.text;
        Outcome<BandFigures> withStandardValues = EvaluateBand(applied, decimalSeparator, pool);
        if (auto* band = std::get_if<BandFigures>(&withStandardValues)) {
            report.withStandardValues = std::move(*band);
        } else {
            standardBandFailure = std::get<Failure>(std::move(withStandardValues));
        }
    }

    if (auto failure = CheckFields(texts, kReportCheckOrder)) {
        report.failure = std::move(failure);
    } else if (noStandardValue) {
        report.failure = std::move(noStandardValue);
    } else if (const Failure* failure = FailureOf(withBoxValues)) {
        report.failure = *failure;
    } else {
        report.failure = std::move(standardBandFailure);
    }
    return report;
}

}  // namespace amp
