#include "graph/tolerance_report.h"

#include "core/checks/number_format.h"
#include "core/model/circuit_values.h"
#include "graph/plot_export.h"

namespace amp {
namespace {

struct FigureFormat {
    std::string_view name;
    int decimals;
};

// The patterns of the evaluation's captions: the effective fi and fs, a modulus and a phase.
constexpr std::array<FigureFormat, kToleranceFigureCount> kFigures{{
    {"fi effettiva [Hz]", 1},
    {"fs effettiva [Hz]", 0},
    {"|Vo/Vi| massimo", 2},
    {"|Vo/Vi| a f", 2},
    {"Fase a f [°]", 2},
}};

constexpr std::string_view kStatisticsHeader =
    "grandezza,nominale,minimo,5 %,mediana,95 %,massimo\n";
constexpr std::string_view kBandHeader = "frequenza [Hz],nominale,minimo,5 %,95 %,massimo\n";
constexpr double kPerCent = 100.0;

std::array<double, kStatisticsColumnCount> RowValues(const ToleranceResult& result, int figure) {
    const FigureStatistics& s = result.statistics[figure];
    return {result.nominal[figure], s.minimum, s.p5, s.median, s.p95, s.maximum};
}

}  // namespace

std::string_view FigureName(ToleranceFigure figure) {
    return kFigures[static_cast<std::size_t>(figure)].name;
}

std::array<StatisticsRow, kToleranceFigureCount> StatisticsCaptions(
    const ToleranceResult& result, std::string_view decimalSeparator) {
    std::array<StatisticsRow, kToleranceFigureCount> rows;
    for (int figure = 0; figure < kToleranceFigureCount; ++figure) {
        const auto values = RowValues(result, figure);
        for (int column = 0; column < kStatisticsColumnCount; ++column) {
            rows[figure][column] =
                FormatFixed(values[column], kFigures[figure].decimals, decimalSeparator);
        }
    }
    return rows;
}

std::string BandResolutionCaption(double resolution, std::string_view decimalSeparator) {
    return "Banda 5-95 %: percentili da istogrammi per campione, risoluzione " +
           FormatFixed(resolution * kPerCent, 2, decimalSeparator) + " %";
}

std::string StatisticsCsv(const ToleranceResult& result) {
    std::string text(kStatisticsHeader);
    for (int figure = 0; figure < kToleranceFigureCount; ++figure) {
        text += kFigures[figure].name;
        for (double value : RowValues(result, figure)) {
            text += ',';
            AppendCsvNumber(text, value);
        }
        text += '\n';
    }
    return text;
}

std::string BandCsv(const ToleranceResult& result) {
    std::string text(kBandHeader);
    const ToleranceBand& band = result.band;
    for (int i = 0; i <= result.n; ++i) {
        AppendCsvNumber(text, SweepFrequency(kEvaluationDecades, i, result.n));
        for (const std::vector<double>* curve :
             {&band.nominal, &band.minimum, &band.p5, &band.p95, &band.maximum}) {
            text += ',';
            AppendCsvNumber(text, (*curve)[i]);
        }
        text += '\n';
    }
    return text;
}

}  // namespace amp
