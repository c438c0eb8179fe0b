#include "graph/noise_report.h"

#include <algorithm>

#include "core/checks/number_format.h"
#include "graph/plot_export.h"

namespace amp {
namespace {

constexpr double kMicrovoltsPerVolt = 1e6;
constexpr double kPerCent = 100.0;
constexpr int kSourceRmsDecimals = 3;
constexpr int kShareDecimals = 1;

constexpr std::string_view kDensityHeader = "frequenza [Hz],rumore in uscita [V/√Hz]\n";
constexpr std::string_view kCleanOutputHeader =
    "frequenza [Hz],uscita massima indistorta [V picco]\n";

std::string CurveCsv(std::string_view header, const std::vector<double>& frequencies,
                     const std::vector<double>& values) {
    std::string text(header);
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        AppendCsvNumber(text, frequencies[i]);
        text += ',';
        AppendCsvNumber(text, values[i]);
        text += '\n';
    }
    return text;
}

}  // namespace

double NoiseFigureValue(const NoiseFigures& figures, NoiseFigure figure) {
    switch (figure) {
        case NoiseFigure::OutputNoise:
            return figures.outputNoise * kMicrovoltsPerVolt;
        case NoiseFigure::OutputNoiseAWeighted:
            return figures.outputNoiseAWeighted * kMicrovoltsPerVolt;
        case NoiseFigure::InputNoise:
            return figures.inputNoise * kMicrovoltsPerVolt;
        case NoiseFigure::SignalToNoise:
            return figures.signalToNoise;
        case NoiseFigure::SignalToNoiseAWeighted:
            return figures.signalToNoiseAWeighted;
        case NoiseFigure::LargestCleanAt1k:
            return figures.largestCleanAt1k;
        case NoiseFigure::LargestCleanAtBandHigh:
            return figures.largestCleanAtBandHigh;
        case NoiseFigure::FullPowerBandwidth:
            return figures.fullPowerBandwidth;
        case NoiseFigure::DynamicRange:
            return figures.dynamicRange;
        case NoiseFigure::DynamicRangeAWeighted:
            return figures.dynamicRangeAWeighted;
    }
    return 0.0;
}

std::array<std::string, kNoiseFigureCount> NoiseFigureCaptions(const NoiseFigures& figures,
                                                               std::string_view decimalSeparator) {
    std::array<std::string, kNoiseFigureCount> captions;
    for (int k = 0; k < kNoiseFigureCount; ++k) {
        const auto figure = static_cast<NoiseFigure>(k);
        captions[k] = FormatFixed(NoiseFigureValue(figures, figure), FormatOf(figure).decimals,
                                  decimalSeparator);
    }
    return captions;
}

std::vector<NoiseSourceRow> NoiseSourceRows(const NoiseAnalysis& analysis,
                                            std::string_view decimalSeparator) {
    std::vector<NoiseSourceRow> rows;
    for (const NoiseContribution& contribution : analysis.contributions) {
        const double rms = contribution.rms * kMicrovoltsPerVolt;
        const double share = contribution.share * kPerCent;
        rows.push_back({contribution.source, std::string(NoiseSourceName(contribution.source)),
                        FormatFixed(rms, kSourceRmsDecimals, decimalSeparator),
                        FormatFixed(share, kShareDecimals, decimalSeparator), rms, share});
    }
    std::ranges::stable_sort(rows, std::ranges::greater{}, &NoiseSourceRow::rmsMicrovolts);
    return rows;
}

std::string SupplyAboveRatingCaption(const OpAmpPart& part, std::string_view decimalSeparator) {
    return "Alimentazione oltre il massimo del " + std::string(part.name) + " (±" +
           FormatTrimmed(part.largestSupply, decimalSeparator) +
           " V): risultati calcolati comunque";
}

std::string DensityCsv(const NoiseCurves& curves) {
    return CurveCsv(kDensityHeader, curves.frequencies, curves.density);
}

std::string CleanOutputCsv(const NoiseCurves& curves) {
    return CurveCsv(kCleanOutputHeader, curves.frequencies, curves.largestClean);
}

std::vector<NoiseReportRow> NoiseReportRows(std::string_view part, const NoiseFigures& figures,
                                            std::string_view decimalSeparator) {
    std::vector<NoiseReportRow> rows{{"Operazionale", std::string(part), {}}};
    for (const NoiseFigure figure : {NoiseFigure::OutputNoise, NoiseFigure::OutputNoiseAWeighted,
                                     NoiseFigure::SignalToNoise, NoiseFigure::LargestCleanAt1k}) {
        const NoiseFigureFormat& format = FormatOf(figure);
        rows.push_back(
            {format.name,
             FormatFixed(NoiseFigureValue(figures, figure), format.decimals, decimalSeparator),
             format.unit});
    }
    return rows;
}

}  // namespace amp
