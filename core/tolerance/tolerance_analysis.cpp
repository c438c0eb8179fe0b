#include "core/tolerance/tolerance_analysis.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>

#include "core/checks/messages.h"
#include "core/sweep/sweep_pool.h"
#include "core/sweep/sweep_scan.h"
#include "core/tolerance/band_histograms.h"

namespace amp {
namespace {

// Work per call of the pool, so that each call lasts a few milliseconds at most and a stop is
// seen soon: sample sweeps in the trials' part, histogram counts in the band's part, samples in
// the summary's. A million trials take tens of milliseconds per figure.
constexpr std::int64_t kSweptSamplesPerCall = std::int64_t{1} << 20;
constexpr std::int64_t kCountsPerCall = std::int64_t{1} << 21;
constexpr int kSummarySamplesPerCall = 256;
// The moduli of a chunk of trials wait in memory until the band has counted them; the band's
// histograms take their memory once. Only the trials' five figures grow with their number, 40
// bytes a trial, so an analysis at N = 195576 stays within a few hundred megabytes.
constexpr std::int64_t kChunkBytes = std::int64_t{48} << 20;
constexpr int kMostChunkTrials = 1024;
constexpr std::int64_t kHistogramBytes = std::int64_t{160} << 20;
// Samples counted together by one thread: their histograms stay in its fastest cache.
constexpr int kBandBlockSamples = 16;
static_assert(kBandBlockSamples <= BandHistograms::kMostSamplesCounted);
// The chunk's rows start on cache lines and lie an odd number of lines apart, so that the band,
// reading a block of every row, spreads its reads over all the cache's sets.
constexpr std::size_t kLineDoubles = 64 / sizeof(double);

// Rows of at least the given doubles, whole cache lines, an odd number of them.
std::size_t RowStride(std::size_t doubles) {
    const std::size_t lines = (doubles + kLineDoubles - 1) / kLineDoubles;
    return (lines | 1) * kLineDoubles;
}

double* AlignedToLine(double* memory) {
    const std::size_t misplaced = reinterpret_cast<std::uintptr_t>(memory) % 64 / sizeof(double);
    return memory + (misplaced == 0 ? 0 : kLineDoubles - misplaced);
}

int BinCount(int sampleCount) {
    const std::int64_t fitting =
        kHistogramBytes / static_cast<std::int64_t>(sizeof(std::uint32_t) * sampleCount);
    return static_cast<int>(std::clamp<std::int64_t>(fitting, 2, BandHistograms::kMostBins));
}

class Analysis {
  public:
    Analysis(const EvaluationInputs& design, const ToleranceSettings& settings, SweepPool* pool,
             const ToleranceMonitor& monitor);

    Outcome<ToleranceResult> Run();

  private:
    // How the sweeps of a chunk of trials ended.
    enum class ChunkSweep { Swept, Undefined, Stopped };

    bool Stopped() const { return monitor_.stop.stop_requested(); }
    void Share(int callCount, const std::function<void(int)>& call) const;
    // Sweeps trials first ... first + count - 1 into the chunk.
    ChunkSweep SweepTrials(int first, int count);
    // Counts the chunk's first count trials into the band; false when stopped.
    bool CountBand(int count);
    // The chunk's row of one of its trials: the trial's sweep.
    double* ChunkRow(int trialInChunk) {
        return rows_ + rowStride_ * static_cast<std::size_t>(trialInChunk);
    }
    // Where the chunk keeps the moduli of a block of samples of one of its trials.
    double* ChunkBlock(int block, int trialInChunk) {
        return ChunkRow(trialInChunk) + block * kBandBlockSamples;
    }
    // The statistics and the band; incomplete when stopped on the way.
    ToleranceResult Summary(const std::vector<double>& nominalSweep);

    const EvaluationInputs& design_;
    const ToleranceSettings& settings_;
    SweepPool* pool_;
    const ToleranceMonitor& monitor_;
    TrialSweep sweep_;
    int sampleCount_;
    int blockCount_;
    // Doubles from one row of the chunk to the next.
    std::size_t rowStride_;
    int chunkTrials_;
    std::unique_ptr<double[]> chunk_;
    // The first row, on a cache line.
    double* rows_;
    // Indexed by ToleranceFigure, then by trial.
    std::array<std::vector<double>, kToleranceFigureCount> figures_;
    BandHistograms band_;
};

Analysis::Analysis(const EvaluationInputs& design, const ToleranceSettings& settings,
                   SweepPool* pool, const ToleranceMonitor& monitor)
    : design_(design),
      settings_(settings),
      pool_(pool),
      monitor_(monitor),
      sweep_(design.f, design.n),
      sampleCount_(design.n + 1),
      blockCount_((sampleCount_ + kBandBlockSamples - 1) / kBandBlockSamples),
      rowStride_(RowStride(
          std::max(sweep_.RowSize(), static_cast<std::size_t>(blockCount_) * kBandBlockSamples))),
      chunkTrials_(static_cast<int>(std::min<std::int64_t>(
          settings.trials, std::clamp<std::int64_t>(
                               kChunkBytes / static_cast<std::int64_t>(rowStride_ * sizeof(double)),
                               1, kMostChunkTrials)))),
      chunk_(
          std::make_unique_for_overwrite<double[]>(rowStride_ * chunkTrials_ + kLineDoubles - 1)),
      rows_(AlignedToLine(chunk_.get())),
      band_(sampleCount_, BinCount(sampleCount_)) {
    for (auto& figure : figures_) figure.resize(static_cast<std::size_t>(settings.trials));
    // A trial's sweep leaves the end of its row alone; the band's last block reads it but never
    // counts it.
    for (int inChunk = 0; inChunk < chunkTrials_; ++inChunk) {
        std::fill(ChunkRow(inChunk) + sweep_.RowSize(), ChunkRow(inChunk) + rowStride_, 0.0);
    }
}

void Analysis::Share(int callCount, const std::function<void(int)>& call) const {
    if (pool_ != nullptr) {
        pool_->RunBlocks(callCount, call);
    } else {
        for (int c = 0; c < callCount; ++c) call(c);
    }
}

Analysis::ChunkSweep Analysis::SweepTrials(int first, int count) {
    const int trialsPerCall =
        static_cast<int>(std::max<std::int64_t>(1, kSweptSamplesPerCall / sampleCount_));
    std::atomic<bool> undefined{false};
    for (int done = 0; done < count; done += trialsPerCall) {
        if (Stopped()) return ChunkSweep::Stopped;
        Share(std::min(trialsPerCall, count - done), [&](int k) {
            const int inChunk = done + k;
            const int trial = first + inChunk;
            const CircuitValues values =
                DrawTrialValues(design_.values, settings_.tolerances, settings_.distribution,
                                settings_.seed, static_cast<std::uint64_t>(trial));
            const Outcome<TrialFigures> figures =
                sweep_.Run(values, {ChunkRow(inChunk), sweep_.RowSize()});
            if (const auto* swept = std::get_if<TrialFigures>(&figures)) {
                for (int j = 0; j < kToleranceFigureCount; ++j) figures_[j][trial] = (*swept)[j];
            } else {
                undefined.store(true, std::memory_order_relaxed);
            }
        });
        if (undefined.load(std::memory_order_relaxed)) return ChunkSweep::Undefined;
    }
    return ChunkSweep::Swept;
}

bool Analysis::CountBand(int count) {
    const int blocksPerCall = static_cast<int>(
        std::max<std::int64_t>(1, kCountsPerCall / (std::int64_t{kBandBlockSamples} * count)));
    for (int done = 0; done < blockCount_; done += blocksPerCall) {
        if (Stopped()) return false;
        Share(std::min(blocksPerCall, blockCount_ - done), [&](int k) {
            const int block = done + k;
            const int from = block * kBandBlockSamples;
            const int size = std::min(kBandBlockSamples, sampleCount_ - from);
            // The smallest and largest first (the last block's places past sample N hold
            // leftovers, never used), then the counts.
            std::array<double, kBandBlockSamples> low;
            std::array<double, kBandBlockSamples> high;
            ColumnExtremes(ChunkBlock(block, 0), rowStride_, static_cast<std::size_t>(count),
                           kBandBlockSamples, low.data(), high.data());
            for (int j = 0; j < size; ++j) band_.Widen(from + j, low[j], high[j]);
            band_.Count(from, size, ChunkBlock(block, 0), rowStride_, count);
        });
    }
    return true;
}

ToleranceResult Analysis::Summary(const std::vector<double>& nominalSweep) {
    ToleranceResult result;
    result.n = design_.n;
    result.trials = settings_.trials;
    ToleranceBand& band = result.band;
    band.nominal.assign(nominalSweep.begin(), nominalSweep.begin() + sampleCount_);
    for (std::vector<double>* limit : {&band.minimum, &band.p5, &band.p95, &band.maximum}) {
        limit->resize(static_cast<std::size_t>(sampleCount_));
    }
    // The five figures first, each in a call of its own, then the band in pieces: a call
    // returns at once once a stop has come.
    const int bandCalls = (sampleCount_ + kSummarySamplesPerCall - 1) / kSummarySamplesPerCall;
    Share(kToleranceFigureCount + bandCalls, [&](int call) {
        if (Stopped()) return;
        if (call < kToleranceFigureCount) {
            result.statistics[call] = Summarize(figures_[call]);
            return;
        }
        const int from = (call - kToleranceFigureCount) * kSummarySamplesPerCall;
        for (int i = from; i < std::min(from + kSummarySamplesPerCall, sampleCount_); ++i) {
            band.minimum[i] = band_.Minimum(i);
            band.p5[i] = band_.Percentile(i, 5);
            band.p95[i] = band_.Percentile(i, 95);
            band.maximum[i] = band_.Maximum(i);
        }
    });
    band.resolution = band_.Resolution();
    return result;
}

Outcome<ToleranceResult> Analysis::Run() {
    const Failure stopped{std::string(message::kToleranceAnalysisStopped)};
    std::vector<double> nominalSweep(sweep_.RowSize());
    const Outcome<TrialFigures> nominal = sweep_.Run(design_.values, nominalSweep);
    if (const Failure* failure = FailureOf(nominal)) return *failure;

    for (int first = 0; first < settings_.trials; first += chunkTrials_) {
        const int count = std::min(chunkTrials_, settings_.trials - first);
        switch (SweepTrials(first, count)) {
            case ChunkSweep::Stopped:
                return stopped;
            case ChunkSweep::Undefined:
                return Failure{std::string(message::kTrialUndefined)};
            case ChunkSweep::Swept:
                break;
        }
        if (!CountBand(count)) return stopped;
        if (monitor_.progress) monitor_.progress(first + count);
    }
    ToleranceResult result = Summary(nominalSweep);
    if (Stopped()) return stopped;
    result.nominal = std::get<TrialFigures>(nominal);
    return result;
}

}  // namespace

Outcome<ToleranceResult> RunToleranceAnalysis(const EvaluationInputs& design,
                                              const ToleranceSettings& settings, SweepPool* pool,
                                              const ToleranceMonitor& monitor) {
    return Analysis(design, settings, pool, monitor).Run();
}

}  // namespace amp
