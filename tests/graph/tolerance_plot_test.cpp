#include "graph/tolerance_plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/tolerance_report.h"

namespace amp {
namespace {

// A hand-made result over N = 2: samples at 1 Hz, 1 kHz and 1 MHz.
ToleranceResult SmallResult() {
    ToleranceResult result;
    result.n = 2;
    result.trials = 3;
    result.nominal = {24.31, 13428.4, 0.908, 0.905, -2.284};
    result.statistics[0] = {20.0, 21.05, 24.3, 25.0, 26.96};
    result.statistics[1] = {12000.4, 12500.6, 13428.4, 14000.0, 14999.5};
    result.band = {{0.1, 0.9, 0.2},    {0.05, 0.8, 0.1},  {0.07, 0.85, 0.15},
                   {0.12, 0.95, 0.25}, {0.125, 1.0, 0.3}, 0.0039};
    return result;
}

TEST(TolerancePlot, PlacesTargetsAndSamplesOnTheSixDecadeAxis) {
    EXPECT_EQ(TargetX("1"), 120.0);
    EXPECT_EQ(TargetX("1E6"), 11100.0);
    EXPECT_EQ(TargetX("1000"), 5610.0);
    for (const char* offAxis : {"0.5", "2E6", "", "5 Hz", "-3"}) EXPECT_FALSE(TargetX(offAxis));
    EXPECT_EQ(SampleUnderPointer(0, 1000), 0);
    EXPECT_EQ(SampleUnderPointer(5610, 1000), 500);
    EXPECT_EQ(SampleUnderPointer(5620, 1000), 501);
    EXPECT_EQ(SampleUnderPointer(12000, 1000), 1000);

    const ToleranceResult result = SmallResult();
    EXPECT_EQ(ToleranceModulusScale(result.band), 7500.0 / 1.0);
    EXPECT_EQ(BandPoint(result.band.p95, 1, 7500.0), (PlotPoint{5610.0, 7980.0 - 7125.0}));
    EXPECT_EQ(BandReadout(result, 5700, ","),
              (BandReadoutTexts{"1119,9", "1,000", "0,950", "0,900", "0,850", "0,800"}));
}

TEST(ToleranceReport, WritesForm1sFormatsAndPlainCsv) {
    const ToleranceResult result = SmallResult();
    const auto rows = StatisticsCaptions(result, ",");
    EXPECT_EQ(rows[0], (StatisticsRow{"24,3", "20,0", "21,1", "24,3", "25,0", "27,0"}));
    EXPECT_EQ(rows[1], (StatisticsRow{"13428", "12000", "12501", "13428", "14000", "15000"}));
    EXPECT_EQ(rows[4][0], "-2,28");
    EXPECT_EQ(BandResolutionCaption(result.band.resolution, ","),
              "Banda 5-95 %: percentili da istogrammi per campione, risoluzione 0,39 %");

    const std::string statistics = StatisticsCsv(result);
    EXPECT_EQ(statistics.substr(0, statistics.find('\n', statistics.find('\n') + 1) + 1),
              "grandezza,nominale,minimo,5 %,mediana,95 %,massimo\n"
              "fi effettiva [Hz],24.31,20,21.05,24.3,25,26.96\n");
    EXPECT_EQ(BandCsv(result),
              "frequenza [Hz],nominale,minimo,5 %,95 %,massimo\n"
              "1,0.1,0.05,0.07,0.12,0.125\n"
              "1000,0.9,0.8,0.85,0.95,1\n"
              "1e+06,0.2,0.1,0.15,0.25,0.3\n");
}

}  // namespace
}  // namespace amp
