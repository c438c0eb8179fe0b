#include "core/tolerance/percentile.h"

#include <algorithm>

namespace amp {

std::int64_t NearestRank(std::int64_t count, int percent) {
    return std::max<std::int64_t>(1, (count * percent + 99) / 100);
}

double NearestRankPercentile(std::span<const double> ascending, int percent) {
    const auto count = static_cast<std::int64_t>(ascending.size());
    return ascending[static_cast<std::size_t>(NearestRank(count, percent) - 1)];
}

FigureStatistics Summarize(std::vector<double>& values) {
    // Selection rather than a full sort: a million values take milliseconds. The median first;
    // the smaller percentile and the smallest value then lie before it, the others after it.
    const auto count = static_cast<std::int64_t>(values.size());
    const auto nth = [&values, count](int percent) {
        return values.begin() + (NearestRank(count, percent) - 1);
    };
    const auto median = nth(50);
    const auto p5 = nth(5);
    const auto p95 = nth(95);
    std::nth_element(values.begin(), median, values.end());
    std::nth_element(values.begin(), p5, median);
    std::nth_element(median + (p95 > median ? 1 : 0), p95, values.end());
    FigureStatistics statistics;
    statistics.p5 = *p5;
    statistics.median = *median;
    statistics.p95 = *p95;
    statistics.minimum = *std::min_element(values.begin(), p5 + 1);
    statistics.maximum = *std::max_element(p95, values.end());
    return statistics;
}

}  // namespace amp
