#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/model/circuit_values.h"

namespace amp {

class SweepPool;

// The four results shown in the main window: the modulus and the phase at f, the effective lower
// and upper cut-off frequencies.
struct EvaluationCaptions {
    std::string modulus;
    std::string phase;
    std::string lowerCutoff;
    std::string upperCutoff;

    bool operator==(const EvaluationCaptions&) const = default;
};

// The band of a response: its mid-band gain, as the evaluation writes a modulus ("0.00"), and its
// lower and upper cut-off frequencies, as it writes the effective fi ("0.0") and fs ("0").
struct BandFigures {
    std::string gain;
    std::string lowerCutoff;
    std::string upperCutoff;

    bool operator==(const BandFigures&) const = default;
};

// The number of decades of the evaluation's sweep: 1 Hz to 1 MHz.
inline constexpr int kEvaluationDecades = 6;

// What the evaluation computes from: the converted values, the frequency f and N.
struct EvaluationInputs {
    CircuitValues values;
    double f = 0.0;
    int n = 0;
};

// The evaluation's 17 field checks in their order, then the zero tests of Avo, fc and f and the
// bounds of N: the inputs, or the first message.
Outcome<EvaluationInputs> ReadEvaluationInputs(const FieldTexts& texts);

// The evaluation's sweep of the modulus: SweepLength(n) entries, samples 0 ... n over six decades,
// the entries after them 0. A pool shares the samples among its threads.
std::vector<double> SweepModulus(const CircuitValues& values, int n, SweepPool* pool = nullptr);

// First sample within 0.01 of 1/sqrt(2) of the maximum while the modulus rises (lower) or falls
// (upper); n + 1 when none qualifies. Each reads samples 0 ... n + 1 of the sweep.
int FindLowerCutoffIndex(std::span<const double> sweep, double maxModulus, int n);
int FindUpperCutoffIndex(std::span<const double> sweep, double maxModulus, int n);

// What the evaluation reads from its sweep: the largest modulus and the samples of the effective
// lower and upper cut-off frequencies.
struct SweptBand {
    double maxModulus = 0.0;
    int lowerCutoff = 0;
    int upperCutoff = 0;
};

// The band in the evaluation's sweep of n steps, laid out as SweepModulus leaves it, or the
// message of a response without a defined band: a sample that is not finite, or a largest
// modulus of zero. Of a largest modulus of +0 or -0 either may come; both are refused.
Outcome<SweptBand> FindSweptBand(std::span<const double> sweep, int n);

// "Calcola Modulo e Fase, fi e fs effettive": from the field texts to the four captions, written
// with the given decimal separator, or the one message to show. A pool shares the sweep among
// its threads; without one the calling thread sweeps alone, with the same results.
Outcome<EvaluationCaptions> EvaluateResponse(const FieldTexts& texts,
                                             std::string_view decimalSeparator,
                                             SweepPool* pool = nullptr);

// The band that the sweep of "Calcola Modulo e Fase, fi e fs effettive" finds: the largest
// modulus and the effective fi and fs, with the same checks and the same figures, but without f.
Outcome<BandFigures> EvaluateBand(const FieldTexts& texts, std::string_view decimalSeparator,
                                  SweepPool* pool = nullptr);

}  // namespace amp
