#include "graph/noise_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graph/noise_report.h"

namespace amp {
namespace {

std::vector<std::string> Captions(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> captions;
    for (const AxisTick& tick : ticks) captions.push_back(tick.caption);
    return captions;
}

// A hand-made analysis over four samples: 1 Hz, 1 kHz, 20 kHz and 1 MHz.
NoiseAnalysis SmallAnalysis() {
    NoiseAnalysis analysis;
    analysis.curves = {
        {1.0, 1000.0, 20000.0, 1e6}, {40e-9, 25.26e-9, 0.5e-9, 0.0123e-9}, {0.0, 13.5, 10.0, 2.0}};
    NoiseFigures& f = analysis.figures;
    f = {27.5e-6, 21.004e-6, 2.5e-6, 91.23, 93.55, 13.5, 12.0, 153255.4, 105.75, 107.8, false};
    for (int k = 0; k < kNoiseSourceCount; ++k) {
        analysis.contributions[k] = {static_cast<NoiseSource>(k), 0.0, 0.0};
    }
    analysis.contributions[static_cast<int>(NoiseSource::EnU2)] = {NoiseSource::EnU2, 20e-6, 0.75};
    analysis.contributions[static_cast<int>(NoiseSource::R4)] = {NoiseSource::R4, 10.0004e-6,
                                                                 0.1875};
    return analysis;
}

TEST(NoisePlot, PlacesFrequenciesAndValuesOnTheirScales) {
    EXPECT_EQ(NoiseFrequencyX(1.0), 900.0);
    EXPECT_EQ(NoiseFrequencyX(1e6), 6960.0);
    EXPECT_DOUBLE_EQ(NoiseFrequencyX(1000.0), 3930.0);
    EXPECT_DOUBLE_EQ(NoisePointerFrequency(3930.0), 1000.0);
    EXPECT_EQ(Captions(NoiseFrequencyTicks()),
              (std::vector<std::string>{"1", "10", "100", "1000", "10000", "100000", "1000000"}));

    // Density scales: the decades around the curve, at most five, a zero value ignored.
    const std::vector<std::pair<std::vector<double>, DensityScale>> densities{
        {{5e-9, 300e-9, 0.0}, {0, 3}},
        {{10e-9}, {0, 1}},
        {{1e-15, 1e-7}, {-3, 2}},
        {{}, {0, 1}},
    };
    for (const auto& [density, scale] : densities) EXPECT_EQ(DensityScaleOf(density), scale);
    EXPECT_EQ(DensityY(1e-9, {0, 3}), kNoiseAxisBottom);
    EXPECT_DOUBLE_EQ(DensityY(1e-6, {0, 3}), kNoiseAxisTop);
    EXPECT_EQ(DensityY(1e-12, {0, 3}), kNoiseAxisBottom);
    EXPECT_EQ(DensityY(0.0, {0, 3}), kNoiseAxisBottom);
    EXPECT_EQ(Captions(DensityTicks({-2, 1}, ",")),
              (std::vector<std::string>{"0,01", "0,1", "1", "10"}));

    // Clean output scales: round steps up to the largest value.
    const std::vector<std::pair<std::vector<double>, CleanOutputScale>> outputs{
        {{0.0, 13.5, 2.0}, {15.0, 5.0}},
        {{10.0}, {10.0, 2.0}},
        {{1.23}, {1.25, 0.25}},
        {{0.0}, {1.0, 0.2}},
    };
    for (const auto& [curve, scale] : outputs) {
        const CleanOutputScale found = CleanOutputScaleOf(curve);
        EXPECT_DOUBLE_EQ(found.top, scale.top);
        EXPECT_DOUBLE_EQ(found.step, scale.step);
    }
    EXPECT_EQ(Captions(CleanOutputTicks({1.25, 0.25}, ",")),
              (std::vector<std::string>{"0", "0,25", "0,5", "0,75", "1", "1,25"}));
    EXPECT_EQ(CleanOutputY(0.0, {15.0, 5.0}), kNoiseAxisBottom);
    EXPECT_EQ(CleanOutputY(15.0, {15.0, 5.0}), kNoiseAxisTop);

    const NoiseCurves curves = SmallAnalysis().curves;
    EXPECT_EQ(CleanOutputPoint(curves, 3, {15.0, 5.0}).x, 6960.0);
    EXPECT_DOUBLE_EQ(DensityPoint(curves, 1, {-2, 2}).y,
                     (kNoiseAxisTop + kNoiseAxisBottom) / 2.0 -
                         (kNoiseAxisBottom - kNoiseAxisTop) * std::log10(25.26) / 4.0);
}

TEST(NoisePlot, ReadsOutTheNearestSample) {
    const NoiseCurves curves = SmallAnalysis().curves;
    // 20 kHz lies nearer 1 kHz than 1 MHz on the axis until sqrt(20000 * 1e6).
    const std::vector<std::pair<double, std::size_t>> nearest{{0.0, 0},
                                                              {NoiseFrequencyX(30.0), 0},
                                                              {NoiseFrequencyX(32.0), 1},
                                                              {NoiseFrequencyX(141000.0), 2},
                                                              {NoiseFrequencyX(142000.0), 3},
                                                              {9000.0, 3}};
    for (const auto& [x, sample] : nearest) EXPECT_EQ(NoiseSampleUnderPointer(curves, x), sample);
    EXPECT_EQ(DensityReadout(curves, 3930.0, ","), (NoiseReadoutTexts{"1000", "25,3"}));
    EXPECT_EQ(DensityReadout(curves, 900.0, "."), (NoiseReadoutTexts{"1", "40.0"}));
    EXPECT_EQ(DensityReadout(curves, 6960.0, "."), (NoiseReadoutTexts{"1000000", "0.0123"}));
    EXPECT_EQ(CleanOutputReadout(curves, NoiseFrequencyX(20000.0), ","),
              (NoiseReadoutTexts{"20000", "10,00"}));
}

TEST(NoiseReport, WritesCaptionsRowsAndCsv) {
    const NoiseAnalysis analysis = SmallAnalysis();
    EXPECT_EQ(
        NoiseFigureCaptions(analysis.figures, ","),
        (std::array<std::string, kNoiseFigureCount>{"27,50", "21,00", "2,500", "91,2", "93,5",
                                                    "13,50", "12,00", "153255", "105,8", "107,8"}));

    const std::vector<NoiseSourceRow> rows = NoiseSourceRows(analysis, ",");
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kNoiseSourceCount));
    EXPECT_EQ(rows[0].source, NoiseSource::EnU2);
    EXPECT_EQ(rows[0].rms, "20,000");
    EXPECT_EQ(rows[0].share, "75,0");
    EXPECT_EQ(rows[1].source, NoiseSource::R4);
    EXPECT_EQ(rows[1].share, "18,8");
    // The silent sources follow in their own order.
    EXPECT_EQ(rows[2].source, NoiseSource::R1);
    EXPECT_EQ(rows[12].source, NoiseSource::InU2Minus);
    EXPECT_EQ(rows[2].name, NoiseSourceName(NoiseSource::R1));

    EXPECT_EQ(SupplyAboveRatingCaption(kOpAmpParts[2], ","),
              "Alimentazione oltre il massimo del LM358 (±16 V): risultati calcolati comunque");
    EXPECT_EQ(DensityCsv(analysis.curves),
              "frequenza [Hz],rumore in uscita [V/√Hz]\n"
              "1,4e-08\n1000,2.526e-08\n20000,5e-10\n1e+06,1.23e-11\n");
    EXPECT_EQ(CleanOutputCsv(analysis.curves),
              "frequenza [Hz],uscita massima indistorta [V picco]\n"
              "1,0\n1000,13.5\n20000,10\n1e+06,2\n");
    EXPECT_EQ(NoiseReportRows("NE5532", analysis.figures, "."),
              (std::vector<NoiseReportRow>{
                  {"Operazionale", "NE5532", ""},
                  {"Rumore in uscita", "27.50", "[µV eff.]"},
                  {"Rumore in uscita, pesato A", "21.00", "[µV eff.]"},
                  {"Rapporto segnale/rumore", "91.2", "[dB]"},
                  {"Uscita massima indistorta a 1 kHz", "13.50", "[V picco]"},
              }));
}

}  // namespace
}  // namespace amp
