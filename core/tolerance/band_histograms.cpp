#include "core/tolerance/band_histograms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/tolerance/percentile.h"

namespace amp {
namespace {

// The finest bins keep 16 bits of the mantissa: 1/65536 of an octave is finer than any plot.
constexpr int kMantissaBits = 52;
constexpr std::uint32_t kFinestShift = kMantissaBits - 16;
constexpr std::uint32_t kCoarsestShift = 63;
constexpr std::size_t kCacheLineBins = 64 / sizeof(std::uint32_t);

// How many bins the keys of low ... high span at the shift.
std::uint64_t Span(std::uint64_t low, std::uint64_t high, std::uint32_t shift) {
    return (high >> shift) - (low >> shift) + 1;
}

}  // namespace

BandHistograms::BandHistograms(int sampleCount, int binCount)
    : binCount_(static_cast<std::size_t>(std::clamp(binCount, 1, kMostBins))),
      stride_(binCount_ + kCacheLineBins),
      counts_(Index(sampleCount) * stride_, 0),
      firstKey_(Index(sampleCount), 0),
      shift_(Index(sampleCount), kFinestShift),
      totals_(Index(sampleCount), 0),
      minimum_(Index(sampleCount), std::numeric_limits<double>::infinity()),
      maximum_(Index(sampleCount), 0.0) {}

void BandHistograms::Widen(int sample, double low, double high) {
    const std::size_t s = Index(sample);
    const bool empty = minimum_[s] > maximum_[s];
    if (!empty && low >= minimum_[s] && high <= maximum_[s]) return;
    const std::uint64_t oldLow = Bits(minimum_[s]);
    const std::uint64_t oldHigh = Bits(maximum_[s]);
    minimum_[s] = std::min(minimum_[s], low);
    maximum_[s] = empty ? high : std::max(maximum_[s], high);
    const std::uint64_t lowBits = Bits(minimum_[s]);
    const std::uint64_t highBits = Bits(maximum_[s]);
    std::uint32_t shift = shift_[s];
    if (!empty && lowBits >> shift >= firstKey_[s] &&
        (highBits >> shift) - firstKey_[s] < binCount_) {
        return;
    }

    while (shift < kCoarsestShift && Span(lowBits, highBits, shift) > binCount_) ++shift;
    const std::uint64_t spare = binCount_ - Span(lowBits, highBits, shift);
    const std::uint64_t firstKey = (lowBits >> shift) - std::min(lowBits >> shift, spare / 2);
    if (!empty) {
        // Only the bins from the old smallest to the old largest modulus hold counts.
        std::uint32_t* counts = CountsOf(s);
        const std::uint64_t oldFirst = firstKey_[s];
        const std::uint32_t coarsening = shift - shift_[s];
        const std::size_t from = (oldLow >> shift_[s]) - oldFirst;
        const std::size_t to = (oldHigh >> shift_[s]) - oldFirst;
        std::array<std::uint32_t, kMostBins> moved{};
        std::copy(counts + from, counts + to + 1, moved.begin());
        std::fill(counts + from, counts + to + 1, 0);
        for (std::size_t bin = from; bin <= to; ++bin) {
            counts[((oldFirst + bin) >> coarsening) - firstKey] += moved[bin - from];
        }
    }
    shift_[s] = shift;
    firstKey_[s] = firstKey;
}

void BandHistograms::Count(int first, int samples, const double* moduli, std::size_t stride,
                           int rows) {
    std::array<std::uint64_t, kMostSamplesCounted> shifts;
    std::array<std::uint64_t, kMostSamplesCounted> offsets;
    for (int j = 0; j < samples; ++j) {
        const std::size_t s = Index(first + j);
        shifts[j] = shift_[s];
        // Where the sample's bins start, less its first key: unsigned, so the sum wraps right.
        offsets[j] = s * stride_ - firstKey_[s];
        totals_[s] += rows;
    }
    CountKeys(moduli, stride, static_cast<std::size_t>(rows), static_cast<std::size_t>(samples),
              shifts.data(), offsets.data(), counts_.data());
}

double BandHistograms::Percentile(int sample, int percent) const {
    const std::size_t s = Index(sample);
    const std::uint32_t shift = shift_[s];
    const std::uint32_t* counts = CountsOf(s);
    const std::size_t from = (Bits(minimum_[s]) >> shift) - firstKey_[s];
    const std::size_t to = (Bits(maximum_[s]) >> shift) - firstKey_[s];
    const std::int64_t rank = NearestRank(totals_[s], percent);
    // The bin of the modulus of that rank, counted from the nearer end.
    std::size_t bin = from;
    std::int64_t counted = 0;
    if (2 * rank <= totals_[s]) {
        while (counted + counts[bin] < rank) counted += counts[bin++];
    } else {
        bin = to;
        const std::int64_t rankFromTop = totals_[s] - rank + 1;
        while (counted + counts[bin] < rankFromTop) counted += counts[bin--];
    }
    const std::uint64_t middle =
        ((firstKey_[s] + bin) << shift) + ((std::uint64_t{1} << shift) >> 1);
    // Bit patterns of numbers >= +0 order as the numbers do.
    return std::bit_cast<double>(std::clamp(middle, Bits(minimum_[s]), Bits(maximum_[s])));
}

double BandHistograms::Resolution() const {
    const std::uint32_t shift =
        shift_.empty() ? kFinestShift : *std::max_element(shift_.begin(), shift_.end());
    // A bin spans 2^(shift - 52) of the lower end of its octave, or 2^(shift - 52) octaves.
    const double width = std::ldexp(1.0, static_cast<int>(shift) - kMantissaBits);
    return shift <= kMantissaBits ? width : std::exp2(width) - 1.0;
}

}  // namespace amp
