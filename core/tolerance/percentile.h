#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace amp {

// The rank (1 ... count) of the nearest-rank percentile of count values: ceil(percent / 100 x
// count), and 1 for 0 %. count > 0, percent within 0 ... 100.
std::int64_t NearestRank(std::int64_t count, int percent);

// The nearest-rank percentile of values sorted ascending: the value of rank NearestRank, the
// smallest value that at least percent % of the values do not exceed. The median is the 50th.
double NearestRankPercentile(std::span<const double> ascending, int percent);

// The smallest value, the 5th percentile, the median, the 95th percentile and the largest value.
struct FigureStatistics {
    double minimum = 0.0;
    double p5 = 0.0;
    double median = 0.0;
    double p95 = 0.0;
    double maximum = 0.0;

    bool operator==(const FigureStatistics&) const = default;
};

// The statistics of values that are all numbers (no NaN), which it reorders. Not empty.
FigureStatistics Summarize(std::vector<double>& values);

}  // namespace amp
