#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/noise/noise_analysis.h"
#include "core/noise/op_amp_parts.h"

namespace amp {

// The figures of the noise window, in the order it shows them.
enum class NoiseFigure {
    OutputNoise,
    OutputNoiseAWeighted,
    InputNoise,
    SignalToNoise,
    SignalToNoiseAWeighted,
    LargestCleanAt1k,
    LargestCleanAtBandHigh,
    FullPowerBandwidth,
    DynamicRange,
    DynamicRangeAWeighted,
};
inline constexpr int kNoiseFigureCount = 10;

// How a figure is shown: its name, its unit and the decimals of its caption.
struct NoiseFigureFormat {
    std::string_view name;
    std::string_view unit;
    int decimals;
};
inline constexpr std::array<NoiseFigureFormat, kNoiseFigureCount> kNoiseFigureFormats{{
    {"Rumore in uscita", "[µV eff.]", 2},
    {"Rumore in uscita, pesato A", "[µV eff.]", 2},
    {"Rumore riportato all'ingresso", "[µV eff.]", 3},
    {"Rapporto segnale/rumore", "[dB]", 1},
    {"Rapporto segnale/rumore, pesato A", "[dB]", 1},
    {"Uscita massima indistorta a 1 kHz", "[V picco]", 2},
    {"Uscita massima indistorta a fine banda", "[V picco]", 2},
    {"Banda a piena potenza", "[Hz]", 0},
    {"Gamma dinamica", "[dB]", 1},
    {"Gamma dinamica, pesato A", "[dB]", 1},
}};

constexpr const NoiseFigureFormat& FormatOf(NoiseFigure figure) {
    return kNoiseFigureFormats[static_cast<std::size_t>(figure)];
}

// The figure in the unit its caption states (µV, dB, V peak, Hz).
double NoiseFigureValue(const NoiseFigures& figures, NoiseFigure figure);

// The caption of every figure, in NoiseFigure order, with the given separator.
std::array<std::string, kNoiseFigureCount> NoiseFigureCaptions(const NoiseFigures& figures,
                                                               std::string_view decimalSeparator);

// The columns of the sources' table.
inline constexpr std::array<std::string_view, 3> kNoiseSourceColumns{"Sorgente", "Rumore [µV eff.]",
                                                                     "Quota [%]"};

// A row of the sources' table: the source's name, its rms over the band in µV ("0.000") and its
// share of the noise power in per cent ("0.0"), and the two values the captions show, to sort by.
struct NoiseSourceRow {
    NoiseSource source;
    std::string name;
    std::string rms;
    std::string share;
    double rmsMicrovolts = 0.0;
    double sharePercent = 0.0;

    bool operator==(const NoiseSourceRow&) const = default;
};

// The thirteen rows, the largest rms first; equal ones in NoiseSource order.
std::vector<NoiseSourceRow> NoiseSourceRows(const NoiseAnalysis& analysis,
                                            std::string_view decimalSeparator);

// What the window says when the supply exceeds the part's largest: computed all the same.
std::string SupplyAboveRatingCaption(const OpAmpPart& part, std::string_view decimalSeparator);

// The plots' samples as CSV text: a header, then a line per sample with its frequency in Hz and
// the density in V/sqrt(Hz), or the largest clean output in V peak, as computed. Numbers have a
// point as decimal separator and the shortest form that reads back to the same double; lines end
// in LF.
std::string DensityCsv(const NoiseCurves& curves);
std::string CleanOutputCsv(const NoiseCurves& curves);

// A row of the report's "Rumore e dinamica": a name, a caption and its unit.
struct NoiseReportRow {
    std::string_view name;
    std::string value;
    std::string_view unit;

    bool operator==(const NoiseReportRow&) const = default;
};

// The part, the output noise flat and A-weighted, the signal-to-noise ratio and the largest clean
// output at 1 kHz.
std::vector<NoiseReportRow> NoiseReportRows(std::string_view part, const NoiseFigures& figures,
                                            std::string_view decimalSeparator);

}  // namespace amp
