#include "core/sweep/sweep_scan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

// Compiled once per instruction set that Highway targets; the processor's best one is chosen at
// run time.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "core/sweep/sweep_scan.cpp"
#include "hwy/cache_control.h"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace amp {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;
// At most eight lanes, so that the vectors always divide ColumnExtremes' columns.
using D = hn::CappedTag<double, 8>;

std::optional<double> FiniteMaximumOf(std::span<const double> samples) {
    const D d;
    const std::size_t lanes = hn::Lanes(d);
    if (samples.empty()) return std::nullopt;
    if (samples.size() < lanes) {
        if (!std::all_of(samples.begin(), samples.end(), [](double s) { return std::isfinite(s); }))
            return std::nullopt;
        return *std::max_element(samples.begin(), samples.end());
    }
    // A sample is finite when its magnitude is at most the largest double, which a NaN is not.
    const auto mostFinite = hn::Set(d, std::numeric_limits<double>::max());
    auto largest = hn::LoadU(d, samples.data());
    auto finite = hn::Le(hn::Abs(largest), mostFinite);
    const auto take = [&](std::size_t i) {
        const auto v = hn::LoadU(d, samples.data() + i);
        largest = hn::Max(largest, v);
        finite = hn::And(finite, hn::Le(hn::Abs(v), mostFinite));
    };
    std::size_t i = lanes;
    for (; i + lanes <= samples.size(); i += lanes) take(i);
    // The last vector overlaps the one before: samples taken twice change neither outcome.
    if (i < samples.size()) take(samples.size() - lanes);
    if (!hn::AllTrue(d, finite)) return std::nullopt;
    return hn::GetLane(hn::MaxOfLanes(d, largest));
}

std::size_t FirstWithinOf(std::span<const double> samples, std::size_t from, double low,
                          double high) {
    const D d;
    const std::size_t lanes = hn::Lanes(d);
    const auto lows = hn::Set(d, low);
    const auto highs = hn::Set(d, high);
    std::size_t i = from;
    for (; i + lanes <= samples.size(); i += lanes) {
        const auto v = hn::LoadU(d, samples.data() + i);
        const auto within = hn::Not(hn::Or(hn::Lt(v, lows), hn::Gt(v, highs)));
        const intptr_t first = hn::FindFirstTrue(d, within);
        if (first >= 0) return i + static_cast<std::size_t>(first);
    }
    for (; i < samples.size(); ++i) {
        if (!(samples[i] < low || samples[i] > high)) return i;
    }
    return samples.size();
}

// Rows lie pages apart, beyond what the processor's own prefetching follows: the passes over
// columns ask for the rows ahead themselves.
constexpr std::size_t kRowsAhead = 8;
constexpr std::size_t kLineDoubles = 64 / sizeof(double);

void ColumnExtremesOf(const double* first, std::size_t stride, std::size_t rows,
                      std::size_t columns, double* low, double* high) {
    const D d;
    for (std::size_t c = 0; c < columns; c += hn::Lanes(d)) {
        auto smallest = hn::LoadU(d, first + c);
        auto largest = smallest;
        for (std::size_t r = 1; r < rows; ++r) {
            if (r + kRowsAhead < rows) hwy::Prefetch(first + (r + kRowsAhead) * stride + c);
            const auto v = hn::LoadU(d, first + r * stride + c);
            smallest = hn::Min(smallest, v);
            largest = hn::Max(largest, v);
        }
        hn::StoreU(smallest, d, low + c);
        hn::StoreU(largest, d, high + c);
    }
}

// kColumns, when not 0, is the columns given, known to the compiler, so that it unrolls a row.
template <std::size_t kColumns>
void CountKeysIn(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
                 const std::uint64_t* shifts, const std::uint64_t* offsets, std::uint32_t* counts) {
    if constexpr (kColumns != 0) columns = kColumns;
    const hn::Rebind<std::uint64_t, D> du;
    const std::size_t lanes = hn::Lanes(du);
    const std::size_t vectorColumns = columns / lanes * lanes;
    // The keys of a row in vector registers, then its counts one by one: the keys of a row all
    // differ in their sample, so no count waits for the one before.
    std::uint64_t keys[kMostCountedColumns];
    for (std::size_t r = 0; r < rows; ++r) {
        const double* row = first + r * stride;
        if (r + kRowsAhead < rows) {
            for (std::size_t c = 0; c < columns; c += kLineDoubles) {
                hwy::Prefetch(row + kRowsAhead * stride + c);
            }
        }
        for (std::size_t c = 0; c < vectorColumns; c += lanes) {
            const auto bits = hn::BitCast(du, hn::LoadU(D(), row + c));
            hn::StoreU(hn::Add(bits >> hn::LoadU(du, shifts + c), hn::LoadU(du, offsets + c)), du,
                       keys + c);
        }
        for (std::size_t c = vectorColumns; c < columns; ++c) {
            keys[c] = (std::bit_cast<std::uint64_t>(row[c]) >> shifts[c]) + offsets[c];
        }
        for (std::size_t c = 0; c < columns; ++c) ++counts[keys[c]];
    }
}

void CountKeysOf(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
                 const std::uint64_t* shifts, const std::uint64_t* offsets, std::uint32_t* counts) {
    if (columns == kMostCountedColumns) {
        CountKeysIn<kMostCountedColumns>(first, stride, rows, columns, shifts, offsets, counts);
    } else {
        CountKeysIn<0>(first, stride, rows, columns, shifts, offsets, counts);
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace amp
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace amp {

HWY_EXPORT(FiniteMaximumOf);
HWY_EXPORT(FirstWithinOf);
HWY_EXPORT(ColumnExtremesOf);
HWY_EXPORT(CountKeysOf);

std::optional<double> FiniteMaximum(std::span<const double> samples) {
    return HWY_DYNAMIC_DISPATCH(FiniteMaximumOf)(samples);
}

std::size_t FirstWithin(std::span<const double> samples, std::size_t from, double low,
                        double high) {
    return HWY_DYNAMIC_DISPATCH(FirstWithinOf)(samples, from, low, high);
}

void ColumnExtremes(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
                    double* low, double* high) {
    HWY_DYNAMIC_DISPATCH(ColumnExtremesOf)(first, stride, rows, columns, low, high);
}

void CountKeys(const double* first, std::size_t stride, std::size_t rows, std::size_t columns,
               const std::uint64_t* shifts, const std::uint64_t* offsets, std::uint32_t* counts) {
    HWY_DYNAMIC_DISPATCH(CountKeysOf)(first, stride, rows, columns, shifts, offsets, counts);
}

}  // namespace amp
#endif
