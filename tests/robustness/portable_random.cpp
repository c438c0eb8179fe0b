#include "tests/robustness/portable_random.h"

namespace amp::robustness {

std::uint32_t PortableRandom::Below(std::uint32_t count) {
    // Rejects the top words that would make the low residues more likely than the others.
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % count;
    std::uint64_t word = engine_();
    while (word >= limit) word = engine_();
    return static_cast<std::uint32_t>(word % count);
}

int PortableRandom::Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low) + 1));
}

}  // namespace amp::robustness
