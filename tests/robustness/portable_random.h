#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>

namespace amp::robustness {

// Choices drawn from std::mt19937 words by our own arithmetic: the engine's sequence is fixed by
// the standard but its distributions are not, so this keeps a seed's cases the same everywhere.
class PortableRandom {
  public:
    explicit PortableRandom(std::uint32_t seed) : engine_(seed) {}

    // Uniform in 0 ... count - 1; count must be positive.
    std::uint32_t Below(std::uint32_t count);
    // Uniform in low ... high, both included.
    int Between(int low, int high);
    // True once in count draws on average.
    bool OneIn(std::uint32_t count) { return Below(count) == 0; }

    template <class T>
    const T& Pick(std::span<const T> items) {
        return items[Below(static_cast<std::uint32_t>(items.size()))];
    }
    template <class T, std::size_t Size>
    const T& Pick(const std::array<T, Size>& items) {
        return Pick(std::span<const T>(items));
    }

  private:
    std::mt19937 engine_;
};

}  // namespace amp::robustness
