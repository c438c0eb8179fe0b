#include "core/design/evaluation.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/checks/number_format.h"
#include "core/model/transfer_function.h"
#include "core/sweep/response_sweep.h"
#include "core/sweep/sweep_scan.h"

namespace amp {
namespace {

constexpr double kCutoffTolerance = 0.01;

bool NearHalfPower(double sample, double maxModulus) {
    const double halfPowerRatio = 1.0 / std::sqrt(2.0);
    return std::fabs(sample / maxModulus - halfPowerRatio) <= kCutoffTolerance;
}

template <class Slope>
int FindCutoffIndex(std::span<const double> sweep, double maxModulus, int n, Slope slope) {
    // Samples far from the half-power level are passed over in vector registers, without a
    // division and without the slope test, whose outcome flips from sample to sample where the
    // response is flat. For a normal, finite maximum the bounds lie well outside the tolerance,
    // so the same sample is found.
    const bool prefilter = maxModulus >= std::numeric_limits<double>::min() &&
                           maxModulus <= std::numeric_limits<double>::max();
    const double below = 0.6 * maxModulus;
    const double above = 0.8 * maxModulus;
    const std::span<const double> samples = sweep.first(static_cast<std::size_t>(n) + 1);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (prefilter && (samples[i] < below || samples[i] > above)) {
            i = FirstWithin(samples, i, below, above);
            if (i == samples.size()) break;
        }
        if (slope(sweep[i + 1], sweep[i]) && NearHalfPower(sweep[i], maxModulus)) {
            return static_cast<int>(i);
        }
    }
    return n + 1;
}

// The sweep's part of the evaluation, after the checks: the band found, or why there is none.
Outcome<BandFigures> SweepBand(const CircuitValues& values, int n,
                               std::string_view decimalSeparator, SweepPool* pool) {
    const Outcome<SweptBand> swept = FindSweptBand(SweepModulus(values, n, pool), n);
    if (const Failure* failure = FailureOf(swept)) return *failure;
    const SweptBand& band = std::get<SweptBand>(swept);
    return BandFigures{
        FormatFixed(band.maxModulus, 2, decimalSeparator),
        FormatFixed(SweepFrequency(kEvaluationDecades, band.lowerCutoff, n), 1, decimalSeparator),
        FormatFixed(SweepFrequency(kEvaluationDecades, band.upperCutoff, n), 0, decimalSeparator),
    };
}

}  // namespace

std::vector<double> SweepModulus(const CircuitValues& values, int n, SweepPool* pool) {
    std::vector<double> sweep(SweepLength(n), 0.0);
    SweepResponse(values, kEvaluationDecades, n, std::span(sweep).first(sweep.size() - 2), {},
                  pool);
    return sweep;
}

int FindLowerCutoffIndex(std::span<const double> sweep, double maxModulus, int n) {
    return FindCutoffIndex(sweep, maxModulus, n,
                           [](double next, double here) { return next > here; });
}

int FindUpperCutoffIndex(std::span<const double> sweep, double maxModulus, int n) {
    return FindCutoffIndex(sweep, maxModulus, n,
                           [](double next, double here) { return next < here; });
}

Outcome<SweptBand> FindSweptBand(std::span<const double> sweep, int n) {
    // Where every sample is finite, the largest is SweepMaximum's but for the sign of a zero,
    // which is refused either way.
    const std::optional<double> largest =
        FiniteMaximum(sweep.first(static_cast<std::size_t>(n) + 1));
    if (!largest || *largest == 0.0) return Failure{std::string(message::kResponseUndefined)};
    return SweptBand{*largest, FindLowerCutoffIndex(sweep, *largest, n),
                     FindUpperCutoffIndex(sweep, *largest, n)};
}

Outcome<EvaluationInputs> ReadEvaluationInputs(const FieldTexts& texts) {
    if (auto failure = CheckFields(texts, kEvaluationCheckOrder)) return *failure;
    const CircuitValues values = ReadCircuitValues(texts);
    if (auto failure = CheckOpAmpValues(values)) return *failure;
    const double f = ReadSiValue(texts, Field::f);
    if (f == 0.0) return Failure{std::string(message::kFZero)};
    const Outcome<int> sampleCount = ReadSampleCount(texts[Field::N]);
    if (const Failure* failure = FailureOf(sampleCount)) return *failure;
    return EvaluationInputs{values, f, std::get<int>(sampleCount)};
}

Outcome<EvaluationCaptions> EvaluateResponse(const FieldTexts& texts,
                                             std::string_view decimalSeparator, SweepPool* pool) {
    const Outcome<EvaluationInputs> inputs = ReadEvaluationInputs(texts);
    if (const Failure* failure = FailureOf(inputs)) return *failure;
    const auto& [values, f, n] = std::get<EvaluationInputs>(inputs);

    const Response atF = TransferFunction(values, f);
    if (!std::isfinite(atF.Modulus) || !std::isfinite(atF.PhaseDeg)) {
        return Failure{std::string(message::kResponseUndefined)};
    }
    Outcome<BandFigures> band = SweepBand(values, n, decimalSeparator, pool);
    if (const Failure* failure = FailureOf(band)) return *failure;
    BandFigures& figures = std::get<BandFigures>(band);
    return EvaluationCaptions{
        FormatFixed(atF.Modulus, 2, decimalSeparator),
        FormatFixed(atF.PhaseDeg, 2, decimalSeparator),
        std::move(figures.lowerCutoff),
        std::move(figures.upperCutoff),
    };
}

Outcome<BandFigures> EvaluateBand(const FieldTexts& texts, std::string_view decimalSeparator,
                                  SweepPool* pool) {
    // The evaluation's fields but f, in its order: the graph's.
    if (auto failure = CheckFields(texts, kGraphCheckOrder)) return *failure;
    const CircuitValues values = ReadCircuitValues(texts);
    if (auto failure = CheckOpAmpValues(values)) return *failure;
    const Outcome<int> sampleCount = ReadSampleCount(texts[Field::N]);
    if (const Failure* failure = FailureOf(sampleCount)) return *failure;
    return SweepBand(values, std::get<int>(sampleCount), decimalSeparator, pool);
}

}  // namespace amp
