#pragma once

#include <array>
#include <span>
#include <vector>

#include "core/checks/outcome.h"
#include "core/model/circuit_values.h"

namespace amp {

// The evaluation's figures that a tolerance analysis gathers from each trial.
enum class ToleranceFigure { LowerCutoff, UpperCutoff, MaxModulus, ModulusAtF, PhaseAtF };
inline constexpr int kToleranceFigureCount = 5;

// Indexed by ToleranceFigure: the effective fi and fs in Hz, MaxModulus, and the modulus and the
// phase in degrees at f.
using TrialFigures = std::array<double, kToleranceFigureCount>;

inline double FigureOf(const TrialFigures& figures, ToleranceFigure figure) {
    return figures[static_cast<std::size_t>(figure)];
}

// The evaluation's six-decade sweep of N steps, for one set of values after another: the
// frequencies are computed once, and only the moduli are swept.
class TrialSweep {
  public:
    TrialSweep(double f, int n);

    int N() const { return n_; }

    // The room a row needs for one sweep: the evaluation's SweepLength(N) entries, and the rest of
    // the kernel's last vector.
    std::size_t RowSize() const;

    // Sweeps the values into the row, of at least RowSize entries, laid out as the evaluation's
    // sweep, and returns the figures exactly as the evaluation computes them, or its message where
    // it refuses the values as giving no defined response.
    Outcome<TrialFigures> Run(const CircuitValues& values, std::span<double> row) const;

  private:
    double f_;
    int n_;
    // Samples 0 ... N, then sample N repeated to fill the kernel's last vector.
    std::vector<double> frequencies_;
};

}  // namespace amp
