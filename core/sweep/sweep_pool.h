#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace amp {

// Threads that share the blocks of a long sweep with the thread that asks for it. They start
// with the pool, sleep between sweeps and end with it, so a sweep costs no thread start.
class SweepPool {
  public:
    // One helper per core beyond the caller's.
    static unsigned DefaultHelperCount();

    explicit SweepPool(unsigned helperCount = DefaultHelperCount());
    ~SweepPool();
    SweepPool(const SweepPool&) = delete;
    SweepPool& operator=(const SweepPool&) = delete;

    unsigned HelperCount() const { return static_cast<unsigned>(helpers_.size()); }

    // Calls runBlock(b) once for each b in 0 ... blockCount - 1, on the calling thread and on
    // the helpers, and returns when every call has returned. runBlock must not throw. Sweeps
    // asked for from several threads run one after the other.
    void RunBlocks(int blockCount, const std::function<void(int)>& runBlock);

  private:
    void HelperLoop();
    void RunClaimedBlocks(const std::function<void(int)>& runBlock, int blockCount);

    std::mutex sweepMutex_;  // one sweep at a time

    std::mutex mutex_;
    std::condition_variable sweepStarted_;
    std::condition_variable helpersIdle_;
    // The current sweep, while helpers may still join it.
    const std::function<void(int)>* runBlock_ = nullptr;
    int blockCount_ = 0;
    unsigned sweepNumber_ = 0;
    // Both also readable without the lock, for the threads that wait awake.
    std::atomic<unsigned> announcedSweep_{0};
    std::atomic<int> busyHelpers_{0};
    bool stopping_ = false;
    std::atomic<int> nextBlock_{0};

    std::vector<std::thread> helpers_;
};

}  // namespace amp
