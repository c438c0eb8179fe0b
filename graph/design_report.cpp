#include "graph/design_report.h"

#include "graph/graph_request.h"

namespace amp {
namespace {

constexpr auto kDesignData = [] {
    using enum Field;
    return std::array{fi, fs, Ri, Avcb, R2, R, R3, R5, RL};
}();
constexpr auto kComponents = [] {
    using enum Field;
    return std::array{R1, R4, C1, C2, C3, C4, C5, C6};
}();
constexpr auto kOpAmpAndEvaluation = [] {
    using enum Field;
    return std::array{Avo, fc, N, f};
}();

}  // namespace

std::array<ReportFieldGroup, 3> ReportFieldGroups() {
    return {{
        {"Dati di progetto", kDesignData},
        {"Componenti", kComponents},
        {"Operazionali e valutazione", kOpAmpAndEvaluation},
    }};
}

DesignReport ComputeDesignReport(const FieldTexts& texts, std::optional<int> selectedRange,
                                 std::string_view decimalSeparator, SweepPool* pool,
                                 const std::optional<NoiseTexts>& noise) {
    DesignReport report;
    report.rangeIndex = selectedRange.value_or(kReportDefaultRange);
    report.results = EvaluateResponse(texts, decimalSeparator, pool);
    const GraphRequest request = RequestGraph(texts, report.rangeIndex);
    if (const Failure* failure = FailureOf(request.inputs)) {
        report.plot = *failure;
    } else {
        report.plot = PlotResponse(std::get<GraphInputs>(request.inputs), report.rangeIndex,
                                   decimalSeparator, pool);
    }
    if (noise) {
        const Outcome<NoiseAnalysis> analysis = AnalyseNoise(texts, *noise);
        const Failure* failure = FailureOf(analysis);
        report.noise = DesignNoiseReport{
            noise->part, failure
                             ? Outcome<NoiseFigures>(*failure)
                             : Outcome<NoiseFigures>(std::get<NoiseAnalysis>(analysis).figures)};
    }
    return report;
}

}  // namespace amp
