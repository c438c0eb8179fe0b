#include "core/sweep/sweep_pool.h"

#include <algorithm>
#include <chrono>

namespace amp {
namespace {

// How long a helper stays awake after a sweep, and the caller after its last block, before they
// sleep: waking a sleeping thread takes tens of microseconds on some machines, as long as
// several blocks, and sweeps often follow each other closely.
constexpr std::chrono::microseconds kAwakeWait{200};

// Waits a moment, awake, until done() holds.
template <class Done>
void AwaitAwake(Done done) {
    const auto until = std::chrono::steady_clock::now() + kAwakeWait;
    while (!done() && std::chrono::steady_clock::now() < until) std::this_thread::yield();
}

}  // namespace

unsigned SweepPool::DefaultHelperCount() {
    return std::max(std::thread::hardware_concurrency(), 1u) - 1;
}

SweepPool::SweepPool(unsigned helperCount) {
    helpers_.reserve(helperCount);
    for (unsigned i = 0; i < helperCount; ++i) helpers_.emplace_back([this] { HelperLoop(); });
}

SweepPool::~SweepPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    sweepStarted_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
}

void SweepPool::RunBlocks(int blockCount, const std::function<void(int)>& runBlock) {
    const std::lock_guard sweep(sweepMutex_);
    {
        const std::lock_guard lock(mutex_);
        runBlock_ = &runBlock;
        blockCount_ = blockCount;
        nextBlock_.store(0, std::memory_order_relaxed);
        ++sweepNumber_;
        announcedSweep_.store(sweepNumber_, std::memory_order_release);
    }
    sweepStarted_.notify_all();
    RunClaimedBlocks(runBlock, blockCount);

    // No helper joins any more; those that did finish their last block before this returns,
    // since runBlock and the results belong to the caller.
    std::unique_lock lock(mutex_);
    runBlock_ = nullptr;
    lock.unlock();
    AwaitAwake([this] { return busyHelpers_.load(std::memory_order_acquire) == 0; });
    lock.lock();
    helpersIdle_.wait(lock, [this] { return busyHelpers_ == 0; });
}

void SweepPool::RunClaimedBlocks(const std::function<void(int)>& runBlock, int blockCount) {
    for (int block = nextBlock_.fetch_add(1, std::memory_order_relaxed); block < blockCount;
         block = nextBlock_.fetch_add(1, std::memory_order_relaxed)) {
        runBlock(block);
    }
}

void SweepPool::HelperLoop() {
    unsigned joinedSweep = 0;
    std::unique_lock lock(mutex_);
    while (true) {
        lock.unlock();
        AwaitAwake([&] { return announcedSweep_.load(std::memory_order_acquire) != joinedSweep; });
        lock.lock();
        sweepStarted_.wait(lock, [&] {
            return stopping_ || (runBlock_ != nullptr && sweepNumber_ != joinedSweep);
        });
        if (stopping_) return;
        joinedSweep = sweepNumber_;
        const std::function<void(int)>& runBlock = *runBlock_;
        const int blockCount = blockCount_;
        ++busyHelpers_;
        lock.unlock();
        RunClaimedBlocks(runBlock, blockCount);
        lock.lock();
        if (--busyHelpers_ == 0) helpersIdle_.notify_one();
    }
}

}  // namespace amp
