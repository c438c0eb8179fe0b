#include "core/sweep/sweep_scan.h"

#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace amp {
namespace {

// The vector passes must find what a loop sample by sample finds, on every instruction set,
// whatever the length and wherever the sample that decides lies: in a whole vector, in the
// tail, first or last.
TEST(SweepScan, FindsWhatALoopSampleBySampleFinds) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    for (const std::int64_t target : hwy::SupportedAndGeneratedTargets()) {
        SCOPED_TRACE(hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(target);
        for (std::size_t length = 1; length <= 19; ++length) {
            for (std::size_t at = 0; at < length; ++at) {
                for (const double odd : {0.7, 9.0, kInf, -kInf, nan}) {
                    std::vector<double> samples(length);
                    for (std::size_t i = 0; i < length; ++i) samples[i] = i % 2 == 0 ? 0.1 : 2.0;
                    samples[at] = odd;
                    const bool finite = std::isfinite(odd);
                    const std::optional<double> largest = FiniteMaximum(samples);
                    if (finite) {
                        ASSERT_EQ(largest, *std::max_element(samples.begin(), samples.end()))
                            << "length " << length << ", at " << at << ", " << odd;
                    } else {
                        ASSERT_FALSE(largest)
                            << "length " << length << ", at " << at << ", " << odd;
                    }
                    for (std::size_t from = 0; from <= length; ++from) {
                        std::size_t expected = from;
                        while (expected < length &&
                               (samples[expected] < 0.5 || samples[expected] > 1.0))
                            ++expected;
                        ASSERT_EQ(FirstWithin(samples, from, 0.5, 1.0), expected)
                            << "length " << length << ", at " << at << ", from " << from << ", "
                            << odd;
                    }
                }
            }
        }
    }
    hwy::SetSupportedTargetsForTest(0);
    EXPECT_FALSE(FiniteMaximum({}));
}

TEST(SweepScan, ColumnExtremesTakeEveryRowOfEachColumn) {
    constexpr std::size_t kColumns = 16;
    constexpr std::size_t kStride = 24;
    for (const std::size_t rows : {1, 2, 5}) {
        std::vector<double> table(rows * kStride);
        for (std::size_t r = 0; r < rows; ++r) {
            for (std::size_t c = 0; c < kColumns; ++c) {
                table[r * kStride + c] = static_cast<double>((r * 7 + c * 3) % 11);
            }
        }
        std::vector<double> low(kColumns);
        std::vector<double> high(kColumns);
        ColumnExtremes(table.data(), kStride, rows, kColumns, low.data(), high.data());
        for (std::size_t c = 0; c < kColumns; ++c) {
            double smallest = table[c];
            double largest = table[c];
            for (std::size_t r = 1; r < rows; ++r) {
                smallest = std::min(smallest, table[r * kStride + c]);
                largest = std::max(largest, table[r * kStride + c]);
            }
            EXPECT_EQ(low[c], smallest) << rows << " rows, column " << c;
            EXPECT_EQ(high[c], largest) << rows << " rows, column " << c;
        }
    }
}

}  // namespace
}  // namespace amp
