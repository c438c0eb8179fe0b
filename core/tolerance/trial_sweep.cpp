#include "core/tolerance/trial_sweep.h"

#include <algorithm>
#include <cmath>

#include "core/design/evaluation.h"
#include "core/model/transfer_function.h"
#include "core/sweep/ratio_kernel.h"
#include "core/sweep/response_sweep.h"
#include "core/sweep/sweep_scan.h"

namespace amp {

TrialSweep::TrialSweep(double f, int n) : f_(f), n_(n) {
    const std::size_t count = static_cast<std::size_t>(n) + 1;
    const std::size_t padded =
        (count + kRatioKernelMultiple - 1) / kRatioKernelMultiple * kRatioKernelMultiple;
    frequencies_.reserve(padded);
    for (int i = 0; i <= n; ++i) frequencies_.push_back(SweepFrequency(kEvaluationDecades, i, n));
    frequencies_.resize(padded, frequencies_.back());
}

std::size_t TrialSweep::RowSize() const {
    return std::max(frequencies_.size(), static_cast<std::size_t>(n_) + 3);
}

std::optional<TrialFigures> TrialSweep::Run(const CircuitValues& values,
                                            std::span<double> row) const {
    RatioKernel(values, frequencies_.data(), frequencies_.size(), row.data(), nullptr);
    // The evaluation's ModulusSweep ends in two zeros.
    row[n_ + 1] = 0.0;
    row[n_ + 2] = 0.0;
    const Response atF = TransferFunction(values, f_);
    if (!std::isfinite(atF.Modulus) || !std::isfinite(atF.PhaseDeg)) return std::nullopt;
    // Where every sample is finite, the largest is SweepMaximum's but for the sign of a zero,
    // and a zero maximum is refused.
    const std::optional<double> largest =
        FiniteMaximum(row.first(static_cast<std::size_t>(n_) + 1));
    if (!largest || *largest == 0.0) return std::nullopt;
    const double maxModulus = *largest;
    return TrialFigures{
        SweepFrequency(kEvaluationDecades, FindLowerCutoffIndex(row, maxModulus, n_), n_),
        SweepFrequency(kEvaluationDecades, FindUpperCutoffIndex(row, maxModulus, n_), n_),
        maxModulus,
        atF.Modulus,
        atF.PhaseDeg,
    };
}

}  // namespace amp
