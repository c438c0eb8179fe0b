#include "core/sweep/response_sweep.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/model/complex.h"
#include "core/sweep/ratio_kernel.h"
#include "core/sweep/sweep_pool.h"

namespace amp {
namespace {

// Samples per block: the block's frequencies, moduli and quotients stay in the first-level
// cache, and a long sweep has enough blocks to share them evenly.
constexpr int kBlockSize = 512;
static_assert(kBlockSize % kRatioKernelMultiple == 0);

// Waking the pool's threads costs about as much as sweeping a few blocks alone.
constexpr int kFewestSharedBlocks = 8;

// The power of ten and the arctangent stay the library's scalar ones, so that they give the
// very values TransferFunction's callers see; the kernel does the rest.
void SweepBlock(const CircuitValues& values, int decades, int n, int first,
                std::span<double> moduli, std::span<double> phases) {
    const int count = std::min(kBlockSize, static_cast<int>(moduli.size()) - first);
    // The kernel takes whole vectors: the last frequency fills the rest of the last one.
    const int padded = static_cast<int>((count + kRatioKernelMultiple - 1) / kRatioKernelMultiple *
                                        kRatioKernelMultiple);
    std::array<double, kBlockSize> frequencies;
    std::array<double, kBlockSize> blockModuli;
    std::array<double, kBlockSize> quotients;
    for (int j = 0; j < count; ++j) frequencies[j] = SweepFrequency(decades, first + j, n);
    std::fill(frequencies.begin() + count, frequencies.begin() + padded, frequencies[count - 1]);

    const bool withPhases = !phases.empty();
    RatioKernel(values, frequencies.data(), static_cast<std::size_t>(padded), blockModuli.data(),
                withPhases ? quotients.data() : nullptr);
    std::copy_n(blockModuli.begin(), count, moduli.begin() + first);
    if (withPhases) {
        for (int j = 0; j < count; ++j) phases[first + j] = PhaseDegOfQuotient(quotients[j]);
    }
}

}  // namespace

void SweepResponse(const CircuitValues& values, int decades, int n, std::span<double> moduli,
                   std::span<double> phases, SweepPool* pool) {
    const int sampleCount = static_cast<int>(moduli.size());
    const int blockCount = (sampleCount + kBlockSize - 1) / kBlockSize;
    auto sweepBlock = [&](int block) {
        SweepBlock(values, decades, n, block * kBlockSize, moduli, phases);
    };
    if (pool != nullptr && pool->HelperCount() > 0 && blockCount >= kFewestSharedBlocks) {
        pool->RunBlocks(blockCount, sweepBlock);
    } else {
        for (int block = 0; block < blockCount; ++block) sweepBlock(block);
    }
}

double SweepMaximum(std::span<const double> sweep, int n) {
    // Equal to the sample-by-sample search, which keeps the last sample that equals the largest
    // value (a NaN never replaces, and a NaN first stays), but with four running maxima side by
    // side, so that no comparison waits for the one before.
    constexpr int kChains = 4;
    std::array<double, kChains> largest;
    largest.fill(sweep[0]);
    int i = 0;
    for (; i + kChains <= n + 1; i += kChains) {
        for (int chain = 0; chain < kChains; ++chain) {
            if (sweep[i + chain] > largest[chain]) largest[chain] = sweep[i + chain];
        }
    }
    for (; i <= n; ++i) {
        if (sweep[i] > largest[0]) largest[0] = sweep[i];
    }
    double max = largest[0];
    for (int chain = 1; chain < kChains; ++chain) {
        if (largest[chain] > max) max = largest[chain];
    }
    // Equal doubles other than zeros have the same bits; of +0 and -0 the last one counts.
    if (max == 0.0) {
        for (int j = n; j >= 0; --j) {
            if (sweep[j] == 0.0) return sweep[j];
        }
    }
    return max;
}

}  // namespace amp
