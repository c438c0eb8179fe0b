#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/design/evaluation.h"
#include "core/noise/noise_analysis.h"
#include "graph/plot.h"

namespace amp {

class SweepPool;

// A group of the report's table of design fields: its heading and its fields, in their order.
struct ReportFieldGroup {
    std::string_view heading;
    std::span<const Field> fields;
};

// The design data, the components and the op-amp and evaluation data.
std::array<ReportFieldGroup, 3> ReportFieldGroups();

// The range a report draws when Form1 has none selected: the widest, all six decades.
inline constexpr int kReportDefaultRange = 6;

// What the report says of the design's noise settings: the part chosen and the noise window's
// figures, or the message "Calcola" of that window would show.
struct DesignNoiseReport {
    std::string part;
    Outcome<NoiseFigures> figures;
};

// What a design report computes from the boxes: the evaluation's four captions as "Calcola Modulo
// e Fase, fi e fs effettive" writes them, or its message, the plot of the range, or its message,
// and the noise figures when the design has noise settings.
struct DesignReport {
    int rangeIndex = kReportDefaultRange;
    Outcome<EvaluationCaptions> results;
    Outcome<Plot> plot;
    std::optional<DesignNoiseReport> noise;
};

// The report of the texts with the selected range (kReportDefaultRange when none is) and the noise
// settings, if any, its captions written with the decimal separator. A pool shares the sweeps
// among its threads.
DesignReport ComputeDesignReport(const FieldTexts& texts, std::optional<int> selectedRange,
                                 std::string_view decimalSeparator, SweepPool* pool = nullptr,
                                 const std::optional<NoiseTexts>& noise = std::nullopt);

}  // namespace amp
