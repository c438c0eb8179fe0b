#include "core/tolerance/trial_sweep.h"

#include <algorithm>
#include <cmath>

#include "core/checks/messages.h"
#include "core/design/evaluation.h"
#include "core/model/transfer_function.h"
#include "core/sweep/ratio_kernel.h"
#include "core/sweep/response_sweep.h"

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
    return std::max(frequencies_.size(), SweepLength(n_));
}

Outcome<TrialFigures> TrialSweep::Run(const CircuitValues& values, std::span<double> row) const {
    RatioKernel(values, frequencies_.data(), frequencies_.size(), row.data(), nullptr);
    // The kernel's last vector repeats sample N where the evaluation's sweep holds zeros.
    std::fill(row.begin() + n_ + 1, row.begin() + static_cast<std::ptrdiff_t>(SweepLength(n_)),
              0.0);
    const Response atF = TransferFunction(values, f_);
    if (!std::isfinite(atF.Modulus) || !std::isfinite(atF.PhaseDeg)) {
        return Failure{std::string(message::kResponseUndefined)};
    }
    const Outcome<SweptBand> swept = FindSweptBand(row, n_);
    if (const Failure* failure = FailureOf(swept)) return *failure;
    const SweptBand& band = std::get<SweptBand>(swept);
    return TrialFigures{
        SweepFrequency(kEvaluationDecades, band.lowerCutoff, n_),
        SweepFrequency(kEvaluationDecades, band.upperCutoff, n_),
        band.maxModulus,
        atF.Modulus,
        atF.PhaseDeg,
    };
}

}  // namespace amp
