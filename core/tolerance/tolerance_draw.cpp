#include "core/tolerance/tolerance_draw.h"

#include <cmath>
#include <numbers>

namespace amp {
namespace {

// SplitMix64: word k of the sequence of a key is a mix of key + (k + 1) x the golden gamma, a
// function of the key and the counter alone.
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15;

constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}

// The parts varied in a trial, each with its own counters.
constexpr unsigned kPartCount = 14;
// Counters per part: room for the normal draw's rejected attempts.
constexpr int kCounterBitsPerPart = 32;

class PartWords {
  public:
    PartWords(std::uint64_t seed, std::uint64_t trial, unsigned part)
        : key_(Mix(seed)), first_((trial * kPartCount + part) << kCounterBitsPerPart) {}

    // Uniform in [0, 1), 53 random bits.
    double Unit(std::uint64_t k) const {
        const std::uint64_t word = Mix(key_ + (first_ + k + 1) * kGoldenGamma);
        return static_cast<double>(word >> 11) * 0x1.0p-53;
    }

  private:
    std::uint64_t key_;
    std::uint64_t first_;
};

// Three sigma: the normal draw's cut.
constexpr double kNormalCut = 3.0;

}  // namespace

double ToleranceDeviation(ToleranceDistribution distribution, std::uint64_t seed,
                          std::uint64_t trial, unsigned part) {
    const PartWords words(seed, trial, part);
    if (distribution == ToleranceDistribution::Uniform) return 2.0 * words.Unit(0) - 1.0;
    // Box-Muller, drawn again while beyond the cut (once in 370 attempts).
    for (std::uint64_t attempt = 0;; attempt += 2) {
        const double radius = std::sqrt(-2.0 * std::log(1.0 - words.Unit(attempt)));
        const double z = radius * std::cos(2.0 * std::numbers::pi * words.Unit(attempt + 1));
        if (std::fabs(z) <= kNormalCut) return z / kNormalCut;
    }
}

CircuitValues DrawTrialValues(const CircuitValues& nominal, const Tolerances& tolerances,
                              ToleranceDistribution distribution, std::uint64_t seed,
                              std::uint64_t trial) {
    CircuitValues v = nominal;
    unsigned part = 0;
    const auto vary = [&](double& value, double tolerance) {
        value *= 1.0 + tolerance * ToleranceDeviation(distribution, seed, trial, part++);
    };
    for (double* resistor : {&v.R1, &v.R2, &v.R, &v.R3, &v.R4, &v.R5}) {
        vary(*resistor, tolerances.resistors);
    }
    for (double* capacitor : {&v.C1, &v.C2, &v.C3, &v.C4, &v.C5, &v.C6}) {
        vary(*capacitor, tolerances.capacitors);
    }
    vary(v.Avo, tolerances.Avo);
    vary(v.fc, tolerances.fc);
    return v;
}

}  // namespace amp
