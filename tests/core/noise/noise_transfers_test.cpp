#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "core/noise/noise_analysis.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

using Cx = std::complex<double>;

// The whole amplifier as one complex nodal system, written apart from the model: the KCL row of
// each op-amp's output is replaced by its equation out = A (v+ - v- + en), Vi is a short.
class NodalAmplifier {
  public:
    enum Node { a, b, vo1, c, d, m, o2, e, out, kNodes, ground = -1 };

    NodalAmplifier(const CircuitValues& v, double f) : v_(v) {
        const Cx jw(0.0, 2.0 * std::numbers::pi * f);
        gain_ = v.Avo / (1.0 + Cx(0.0, f * v.Avo / v.fc));
        Stamp(a, ground, jw * v.C1);
        Stamp(a, ground, 1.0 / v.R1);
        Stamp(a, b, 1.0 / v.R2);
        Stamp(b, ground, jw * v.C2);
        Stamp(b, ground, 1.0 / v.R);
        Stamp(vo1, c, jw * v.C3);
        Stamp(c, d, 1.0 / v.R3);
        Stamp(d, ground, 1.0 / v.R);
        Stamp(o2, m, 1.0 / v.R4);
        Stamp(o2, m, jw * v.C4);
        Stamp(m, e, 1.0 / v.R5);
        Stamp(e, ground, jw * v.C5);
        Stamp(o2, out, jw * v.C6);
        Stamp(out, ground, 1.0 / v.RL);
        y_[vo1] = {};
        y_[vo1][vo1] = 1.0 + gain_;
        y_[vo1][b] = -gain_;
        y_[o2] = {};
        y_[o2][o2] = 1.0;
        y_[o2][d] = -gain_;
        y_[o2][m] = gain_;
    }

    // |Vo|^2 per unit of each source.
    NoiseSourceValues GainsSquared() const {
        using enum NoiseSource;
        NoiseSourceValues gains{};
        auto resistor = [&](NoiseSource s, int p, int q, double r) {
            gains[Index(s)] = Output(Current(p, q, 1.0 / r), {});
        };
        resistor(R1, a, ground, v_.R1);
        resistor(R2, a, b, v_.R2);
        resistor(RInput, b, ground, v_.R);
        resistor(R3, c, d, v_.R3);
        resistor(RCoupling, d, ground, v_.R);
        resistor(R4, o2, m, v_.R4);
        resistor(R5, m, e, v_.R5);
        resistor(RL, out, ground, v_.RL);
        gains[Index(EnU1)] = Output({}, {1.0, 0.0});
        gains[Index(EnU2)] = Output({}, {0.0, 1.0});
        gains[Index(InU1)] = Output(Current(b, ground, 1.0), {});
        gains[Index(InU2Plus)] = Output(Current(d, ground, 1.0), {});
        gains[Index(InU2Minus)] = Output(Current(m, ground, 1.0), {});
        return gains;
    }

  private:
    using Vector = std::array<Cx, kNodes>;

    static std::size_t Index(NoiseSource s) { return static_cast<std::size_t>(s); }

    void Stamp(int p, int q, Cx y) {
        for (auto [i, j] : {std::pair{p, q}, std::pair{q, p}}) {
            if (i == ground) continue;
            y_[i][i] += y;
            if (j != ground) y_[i][j] -= y;
        }
    }

    static Vector Current(int p, int q, double amperes) {
        Vector rhs{};
        if (p != ground) rhs[p] += amperes;
        if (q != ground) rhs[q] -= amperes;
        return rhs;
    }

    // |Vo|^2 for the currents and the two op-amps' en.
    double Output(Vector rhs, std::pair<double, double> en) const {
        rhs[vo1] = gain_ * en.first;
        rhs[o2] = gain_ * en.second;
        auto y = y_;
        for (int k = 0; k < kNodes; ++k) {  // Gaussian elimination, partial pivoting
            int pivot = k;
            for (int i = k + 1; i < kNodes; ++i)
                if (std::abs(y[i][k]) > std::abs(y[pivot][k])) pivot = i;
            std::swap(y[k], y[pivot]);
            std::swap(rhs[k], rhs[pivot]);
            for (int i = k + 1; i < kNodes; ++i) {
                const Cx factor = y[i][k] / y[k][k];
                for (int j = k; j < kNodes; ++j) y[i][j] -= factor * y[k][j];
                rhs[i] -= factor * rhs[k];
            }
        }
        Vector x{};
        for (int k = kNodes - 1; k >= 0; --k) {
            Cx sum = rhs[k];
            for (int j = k + 1; j < kNodes; ++j) sum -= y[k][j] * x[j];
            x[k] = sum / y[k][k];
        }
        return std::norm(x[out]);
    }

    CircuitValues v_;
    Cx gain_;
    std::array<Vector, kNodes> y_{};
};

TEST(NoiseGainsSquared, AgreeWithANodalSolveOfTheWholeCircuit) {
    CircuitValues odd = ReadCircuitValues(test_support::ReferenceTexts());
    odd.Avo = 1000;  // little loop gain, a large C4 and a small C5: every section matters
    odd.fc = 20000;
    odd.C4 = 2e-9;
    odd.C5 = 2e-8;
    odd.R2 = 1.0;
    const std::vector<CircuitValues> designs{ReadCircuitValues(test_support::ReferenceTexts()),
                                             ReadCircuitValues(test_support::SizedExampleTexts()),
                                             odd};
    for (const CircuitValues& values : designs) {
        for (double f : {1.0, 20.0, 316.0, 1000.0, 20000.0, 150000.0, 1e6}) {
            const NoiseSourceValues expected = NodalAmplifier(values, f).GainsSquared();
            const NoiseSourceValues gains = NoiseGainsSquared(values, f);
            for (int s = 0; s < kNoiseSourceCount; ++s) {
                EXPECT_NEAR(gains[s], expected[s], 1e-9 * expected[s] + 1e-300)
                    << NoiseSourceName(static_cast<NoiseSource>(s)) << " at " << f << " Hz, R4 "
                    << values.R4;
            }
        }
    }
}

}  // namespace
}  // namespace amp
