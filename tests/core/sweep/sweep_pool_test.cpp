#include "core/sweep/sweep_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace amp {
namespace {

// Each block exactly once, whatever the helpers' timing: sweeps of every size follow each other
// quickly, so that late helpers of one sweep meet the start of the next.
TEST(SweepPool, RunsEveryBlockOnceAndReturnsWhenAllAreDone) {
    for (unsigned helpers : {0u, 1u, 3u}) {
        SweepPool pool(helpers);
        EXPECT_EQ(pool.HelperCount(), helpers);
        for (int sweep = 0; sweep < 300; ++sweep) {
            const int blockCount = sweep % 40;
            std::vector<std::atomic<int>> runs(static_cast<std::size_t>(blockCount));
            pool.RunBlocks(blockCount, [&runs](int block) { ++runs[block]; });
            for (int block = 0; block < blockCount; ++block) {
                ASSERT_EQ(runs[block].load(), 1) << helpers << " helpers, block " << block;
            }
        }
    }
}

}  // namespace
}  // namespace amp
