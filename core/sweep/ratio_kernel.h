#pragma once

#include <cstddef>

#include "core/model/circuit_values.h"

namespace amp {

// The kernel works in whole vectors of at most eight doubles (the width of AVX-512), so a count
// that is a multiple of eight suits every instruction set.
inline constexpr std::size_t kRatioKernelMultiple = 8;

// For each of the count frequencies, the modulus of Vo/Vi and, when quotients is not null, its
// Im/Re, each bit for bit what TransferFunction gives and what PhaseDeg divides: CircuitModel
// computed several samples at a time in vector registers, on the best instruction set the
// processor offers. count is a multiple of kRatioKernelMultiple.
void RatioKernel(const CircuitValues& values, const double* frequencies, std::size_t count,
                 double* moduli, double* quotients);

}  // namespace amp
