#include "core/percentile.h"

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
    // Selection rather than a full sort: a million values take milliseconds.
    const auto count = static_cast<std::int64_t>(values.size());
    const auto select = [&values, count](int percent) {
        const auto nth = values.begin() + (NearestRank(count, percent) - 1);
        std::nth_element(values.begin(), nth, values.end());
        return *nth;
    };
    FigureStatistics statistics;
    statistics.p5 = select(5);
    statistics.median = select(50);
    statistics.p95 = select(95);
    statistics.minimum = *std::min_element(values.begin(), values.end());
    statistics.maximum = *std::max_element(values.begin(), values.end());
    return statistics;
}

}  // namespace amp
