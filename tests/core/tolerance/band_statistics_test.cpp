#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/tolerance/band_histograms.h"
#include "core/tolerance/percentile.h"

namespace amp {
namespace {

// Nearest rank: the value of rank ceil(p / 100 x count), rank 1 for 0 %.
TEST(NearestRankPercentile, PicksTheValueOfTheNearestRank) {
    const std::vector<double> five{15, 20, 35, 40, 50};
    const std::vector<std::pair<int, double>> expected{{0, 15},  {5, 15},  {20, 15}, {21, 20},
                                                       {40, 20}, {50, 35}, {95, 50}, {100, 50}};
    for (const auto& [percent, value] : expected) {
        EXPECT_EQ(NearestRankPercentile(five, percent), value) << percent;
    }
    std::vector<double> twenty;
    for (int k = 20; k >= 1; --k) twenty.push_back(k);
    EXPECT_EQ(Summarize(twenty), (FigureStatistics{1, 1, 10, 19, 20}));
    std::vector<double> one{-2.5};
    EXPECT_EQ(Summarize(one), (FigureStatistics{-2.5, -2.5, -2.5, -2.5, -2.5}));
    // Summarize selects rather than sorts: it must agree with the sorted values at every size,
    // repeated values included.
    for (int count = 1; count <= 60; ++count) {
        std::vector<double> values;
        for (int k = 0; k < count; ++k) values.push_back((k * 37 + count) % 23);
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(Summarize(values),
                  (FigureStatistics{sorted.front(), NearestRankPercentile(sorted, 5),
                                    NearestRankPercentile(sorted, 50),
                                    NearestRankPercentile(sorted, 95), sorted.back()}))
            << count;
    }
}

// The same moduli in another order and another grouping give the same band to the last bit; its
// percentiles lie within its resolution of the exact ones.
TEST(BandHistograms, PercentilesWithinTheResolutionWhateverTheOrder) {
    std::vector<double> moduli;
    for (int k = 0; k < 2000; ++k) moduli.push_back(0.5 + 0.3 * std::sin(k * 0.7) + 1e-3 * k);
    const auto counted = [](const std::vector<double>& values, int groups) {
        BandHistograms band(2, 64);
        const std::size_t size = values.size() / groups;
        for (int g = 0; g < groups; ++g) {
            const auto first = values.begin() + g * size;
            const auto [low, high] = std::minmax_element(first, first + size);
            band.Widen(1, *low, *high);
            band.Count(1, 1, &*first, 1, static_cast<int>(size));
        }
        return band;
    };
    const BandHistograms whole = counted(moduli, 1);
    std::vector<double> reordered = moduli;
    std::reverse(reordered.begin(), reordered.begin() + 1000);
    std::rotate(reordered.begin(), reordered.begin() + 333, reordered.end());
    const BandHistograms grouped = counted(reordered, 40);

    std::vector<double> sorted = moduli;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(whole.Resolution(), grouped.Resolution());
    EXPECT_LE(whole.Resolution(), 1.0 / 16);
    EXPECT_EQ(grouped.Minimum(1), sorted.front());
    EXPECT_EQ(grouped.Maximum(1), sorted.back());
    for (int percent : {0, 5, 50, 95, 100}) {
        EXPECT_EQ(whole.Percentile(1, percent), grouped.Percentile(1, percent)) << percent;
        const double exact = NearestRankPercentile(sorted, percent);
        EXPECT_LE(std::fabs(grouped.Percentile(1, percent) / exact - 1), whole.Resolution());
    }

    BandHistograms equal(1, 8);
    equal.Widen(0, 0.25, 0.25);
    const double quarters[] = {0.25, -1.0, 0.25, -1.0, 0.25};
    equal.Count(0, 1, quarters, 2, 3);
    EXPECT_EQ(equal.Percentile(0, 5), 0.25);
    EXPECT_EQ(equal.Percentile(0, 95), 0.25);
}

// Counting a block of samples at once, keys formed in vector registers, must give what counting
// each sample alone gives, on every instruction set.
TEST(BandHistograms, ABlockCountsAsItsSamplesOneByOne) {
    constexpr int kSamples = 13;
    constexpr int kRows = 37;
    constexpr std::size_t kStride = 16;
    std::vector<double> moduli(kRows * kStride);
    for (int r = 0; r < kRows; ++r) {
        for (int j = 0; j < kSamples; ++j) {
            moduli[r * kStride + j] = (1.0 + j) * (1.0 + 0.1 * std::sin(r * 1.3 + j));
        }
    }
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        hwy::SetSupportedTargetsForTest(target);
        BandHistograms block(kSamples, 64);
        BandHistograms alone(kSamples, 64);
        for (int j = 0; j < kSamples; ++j) {
            double low = moduli[j];
            double high = moduli[j];
            for (int r = 1; r < kRows; ++r) {
                low = std::min(low, moduli[r * kStride + j]);
                high = std::max(high, moduli[r * kStride + j]);
            }
            block.Widen(j, low, high);
            alone.Widen(j, low, high);
            alone.Count(j, 1, moduli.data() + j, kStride, kRows);
        }
        block.Count(0, kSamples, moduli.data(), kStride, kRows);
        for (int j = 0; j < kSamples; ++j) {
            for (int percent : {5, 50, 95}) {
                EXPECT_EQ(block.Percentile(j, percent), alone.Percentile(j, percent))
                    << hwy::TargetName(target) << ", sample " << j << ", " << percent << " %";
            }
        }
    }
    hwy::SetSupportedTargetsForTest(0);
}

}  // namespace
}  // namespace amp
