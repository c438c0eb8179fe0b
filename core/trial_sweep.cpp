#include "core/trial_sweep.h"

#include <algorithm>
#include <cmath>

#include "core/evaluation.h"
#include "core/ratio_kernel.h"
#include "core/response_sweep.h"
#include "core/transfer_function.h"

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

std::optional<TrialFigures> TrialSweep::Run(
    const CircuitValues& values, std::vector<double>& row,
    const std::function<void(int first, int count)>& swept) const {
    static_assert(kSweptBlock % kRatioKernelMultiple == 0);
    const int frequencyCount = static_cast<int>(frequencies_.size());
    for (int first = 0; first < frequencyCount; first += kSweptBlock) {
        const int count = std::min(kSweptBlock, frequencyCount - first);
        RatioKernel(values, frequencies_.data() + first, static_cast<std::size_t>(count),
                    row.data() + first, nullptr);
        if (swept) swept(first, count);
    }
    // The evaluation's ModulusSweep ends in two zeros.
    row[n_ + 1] = 0.0;
    row[n_ + 2] = 0.0;
    const Response atF = TransferFunction(values, f_);
    if (!std::isfinite(atF.Modulus) || !std::isfinite(atF.PhaseDeg)) return std::nullopt;
    if (!std::all_of(row.begin(), row.begin() + n_ + 1,
                     [](double m) { return std::isfinite(m); })) {
        return std::nullopt;
    }
    const double maxModulus = SweepMaximum(row, n_);
    if (maxModulus == 0.0) return std::nullopt;
    return TrialFigures{
        SweepFrequency(kEvaluationDecades, FindLowerCutoffIndex(row, maxModulus, n_), n_),
        SweepFrequency(kEvaluationDecades, FindUpperCutoffIndex(row, maxModulus, n_), n_),
        maxModulus,
        atF.Modulus,
        atF.PhaseDeg,
    };
}

}  // namespace amp
