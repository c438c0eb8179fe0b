#include "core/sweep_pool.h"

#include <algorithm>

namespace amp {

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
    }
    sweepStarted_.notify_all();
    RunClaimedBlocks(runBlock, blockCount);

    // No helper joins any more; those that did finish their last block before this returns,
    // since runBlock and the results belong to the caller.
    std::unique_lock lock(mutex_);
    runBlock_ = nullptr;
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
