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
enum Node { a, b, vo1, c, d, m, o2, e, out, kNodes, ground = -1 };
using Vector = std::array<Cx, kNodes>;
using Matrix = std::array<Vector, kNodes>;

// x of y x = rhs, Gaussian elimination with partial pivoting.
Vector Solve(Matrix y, Vector rhs) {
    for (int k = 0; k < kNodes; ++k) {
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
    return x;
}

// The whole amplifier as one complex nodal system, written apart from the model: the KCL row of
// each op-amp's output is replaced by its equation out = A (v+ - v- + en); Vi is a short. A
// resistor's noise is a current of 1 / R across it, in and en are unit sources.
NoiseSourceValues NodalGainsSquared(const CircuitValues& v, double f) {
    const Cx jw(0.0, 2.0 * std::numbers::pi * f);
    const Cx gain = v.Avo / (1.0 + Cx(0.0, f * v.Avo / v.fc));
    Matrix y{};
    auto stamp = [&y](int p, int q, Cx admittance) {
        for (auto [i, j] : {std::pair{p, q}, std::pair{q, p}}) {
            if (i == ground) continue;
            y[i][i] += admittance;
            if (j != ground) y[i][j] -= admittance;
        }
    };
    stamp(a, ground, jw * v.C1);
    stamp(b, ground, jw * v.C2);
    stamp(vo1, c, jw * v.C3);
    stamp(o2, m, jw * v.C4);
    stamp(e, ground, jw * v.C5);
    stamp(o2, out, jw * v.C6);
    struct Resistor {
        NoiseSource source;
        int p, q;
        double r;
    };
    using enum NoiseSource;
    const Resistor resistors[] = {{R1, a, ground, v.R1},
                                  {R2, a, b, v.R2},
                                  {RInput, b, ground, v.R},
                                  {R3, c, d, v.R3},
                                  {RCoupling, d, ground, v.R},
                                  {R4, o2, m, v.R4},
                                  {R5, m, e, v.R5},
                                  {RL, out, ground, v.RL}};
    for (const Resistor& r : resistors) stamp(r.p, r.q, 1.0 / r.r);
    y[vo1] = {};
    y[vo1][vo1] = 1.0 + gain;
    y[vo1][b] = -gain;
    y[o2] = {};
    y[o2][o2] = 1.0;
    y[o2][d] = -gain;
    y[o2][m] = gain;

    NoiseSourceValues gains{};
    auto solve = [&](NoiseSource s, int p, int q, double amperes, Cx enU1, Cx enU2) {
        Vector rhs{};
        if (p != ground) rhs[p] += amperes;
        if (q != ground) rhs[q] -= amperes;
        rhs[vo1] = gain * enU1;
        rhs[o2] = gain * enU2;
        gains[static_cast<std::size_t>(s)] = std::norm(Solve(y, rhs)[out]);
    };
    for (const Resistor& r : resistors) solve(r.source, r.p, r.q, 1.0 / r.r, 0.0, 0.0);
    solve(EnU1, ground, ground, 0.0, 1.0, 0.0);
    solve(EnU2, ground, ground, 0.0, 0.0, 1.0);
    solve(InU1, b, ground, 1.0, 0.0, 0.0);
    solve(InU2Plus, d, ground, 1.0, 0.0, 0.0);
    solve(InU2Minus, m, ground, 1.0, 0.0, 0.0);
    return gains;
}

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
            const NoiseSourceValues expected = NodalGainsSquared(values, f);
            const NoiseSourceValues gains = NoiseGainsSquared(values, f);
            for (int s = 0; s < kNoiseSourceCount; ++s) {
                EXPECT_NEAR(gains[s], expected[s], 1e-9 * expected[s])
                    << NoiseSourceName(static_cast<NoiseSource>(s)) << " at " << f << " Hz, Avo "
                    << values.Avo << ", R4 " << values.R4;
            }
        }
    }
}

}  // namespace
}  // namespace amp
