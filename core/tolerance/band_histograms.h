#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/sweep/sweep_scan.h"

namespace amp {

// The moduli of every trial at each sample of a sweep, in bounded memory: per sample the exact
// smallest and largest modulus and a histogram of at most kMostBins bins. A bin holds the
// moduli whose bit patterns agree above a shift, so it spans a fixed fraction of an octave; each
// sample keeps the finest shift at which all its moduli fit into its bins. That shift depends
// only on the smallest and the largest modulus, and coarser bins are sums of finer ones, so the
// counts, and with them the percentiles, are the same in whatever order the moduli come.
// Different samples may be counted from different threads at once.
class BandHistograms {
  public:
    static constexpr int kMostBins = 256;

    BandHistograms(int sampleCount, int binCount);

    // Makes the sample's bins reach moduli from low to high, numbers >= +0, and takes them as its
    // smallest and largest when they lie beyond. When they fall outside the bins, the counts move
    // to the finest shift at or above the current one at which all the moduli fit, with the spare
    // bins shared out on both sides, so that later moduli a little further out fit as they are.
    void Widen(int sample, double low, double high);

    // Counts moduli of the samples first ... first + samples - 1, each within what its bins
    // reach: rows of them, each row stride places after the one before, sample first + j at
    // place j of a row. samples is at most kMostSamplesCounted.
    static constexpr int kMostSamplesCounted = static_cast<int>(kMostCountedColumns);
    void Count(int first, int samples, const double* moduli, std::size_t stride, int rows);

    double Minimum(int sample) const { return minimum_[Index(sample)]; }
    double Maximum(int sample) const { return maximum_[Index(sample)]; }

    // The nearest-rank percentile of the sample's moduli to within one bin: the middle of the bin
    // that holds it, kept within the smallest and the largest modulus. The sample has moduli.
    double Percentile(int sample, int percent) const;

    // The widest bin of any sample as a fraction of the moduli it holds: the percentiles'
    // resolution.
    double Resolution() const;

  private:
    static std::size_t Index(int sample) { return static_cast<std::size_t>(sample); }
    static std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }
    std::uint32_t* CountsOf(std::size_t s) { return &counts_[s * stride_]; }
    const std::uint32_t* CountsOf(std::size_t s) const { return &counts_[s * stride_]; }
    std::size_t binCount_;
    // Bins from one sample's to the next: a cache line more than a sample has, so that the counts
    // of neighbouring samples never lie a multiple of 4 KiB apart, which stalls the processor.
    std::size_t stride_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint64_t> firstKey_;
    std::vector<std::uint32_t> shift_;
    // The moduli counted, per sample.
    std::vector<std::int64_t> totals_;
    // A sample without moduli has a minimum above its maximum.
    std::vector<double> minimum_;
    std::vector<double> maximum_;
};

}  // namespace amp
