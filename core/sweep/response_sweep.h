#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/model/circuit_values.h"

namespace amp {

class SweepPool;

// The entries of ModulusSweep and PhaseSweep for n steps, indices 0 ... n + 2, the one place that
// says so. The evaluation samples 0 ... n and its cut-off searches end on entry n + 1, a zero; the
// plot samples 0 ... n + 1; nothing reads entry n + 2, which stays 0.
inline std::size_t SweepLength(int n) {
    return static_cast<std::size_t>(n) + 3;
}

// Modulus and phase of Vo/Vi at samples 0 ... moduli.size() - 1 of the sweep of n steps over
// the given decades (at SweepFrequency), each bit for bit what TransferFunction gives there.
// The phases are left out when phases is empty; otherwise it has the size of moduli. A pool
// shares a long sweep among its threads; without one the calling thread sweeps alone.
void SweepResponse(const CircuitValues& values, int decades, int n, std::span<double> moduli,
                   std::span<double> phases, SweepPool* pool);

// The largest of samples 0 ... n: the first, replaced by each later one that is not smaller.
double SweepMaximum(std::span<const double> sweep, int n);

}  // namespace amp
