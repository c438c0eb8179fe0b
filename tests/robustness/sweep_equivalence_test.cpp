#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "core/checks/number_format.h"
#include "core/design/evaluation.h"
#include "core/model/circuit_values.h"
#include "core/model/transfer_function.h"
#include "core/sweep/response_sweep.h"
#include "core/sweep/sweep_pool.h"
#include "graph/plot.h"
#include "hwy/targets.h"
#include "tests/robustness/portable_random.h"
#include "tests/support/reference_design.h"

namespace amp::robustness {
namespace {

// The vectorised, shared sweep of the evaluation and of the plot against the plain scalar path:
// one TransferFunction per sample, on one thread. Every modulus, phase, maximum, cut-off index,
// caption and curve point must be the same to the last bit, on every instruction set that the
// kernel is built for and this processor runs.

constexpr int kRandomDesigns = 1000;
constexpr std::array<int, 5> kShortSampleCounts{1, 2, 3, 7, 1000};
// The largest N spreads over the pool; the two reference designs and every 250th random one
// also run with it.
constexpr int kLongSweepEvery = 250;

std::string Hex(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%a", value);
    return text.data();
}

// Equal to the last bit; a NaN matches any NaN, since no one ever sees its sign or payload.
bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

// What differs, with the first few places for the report.
class Mismatches {
  public:
    void Add(const std::string& what) {
        if (count_++ < 10) report_ += what + "\n";
    }
    void Compare(double fast, double scalar, const std::string& what) {
        if (!Same(fast, scalar)) Add(what + ": " + Hex(fast) + " instead of " + Hex(scalar));
    }
    void Compare(const std::vector<double>& fast, const std::vector<double>& scalar,
                 const std::string& what) {
        if (fast.size() != scalar.size()) return Add(what + ": another size");
        for (std::size_t i = 0; i < fast.size(); ++i) {
            if (!Same(fast[i], scalar[i])) {
                return Compare(fast[i], scalar[i], what + "[" + std::to_string(i) + "]");
            }
        }
    }
    int Count() const { return count_; }
    const std::string& Report() const { return report_; }

  private:
    int count_ = 0;
    std::string report_;
};

// ----- the scalar path

struct ScalarSweep {
    std::vector<double> moduli;
    std::vector<double> phases;
};

// SweepLength(n) entries, the first sampleCount of them sampled.
ScalarSweep SweepOneByOne(const CircuitValues& values, int decades, int n, int sampleCount) {
    ScalarSweep sweep{std::vector<double>(SweepLength(n), 0.0),
                      std::vector<double>(SweepLength(n), 0.0)};
    for (int i = 0; i < sampleCount; ++i) {
        const Response response = TransferFunction(values, SweepFrequency(decades, i, n));
        sweep.moduli[i] = response.Modulus;
        sweep.phases[i] = response.PhaseDeg;
    }
    return sweep;
}

double LargestOf(const std::vector<double>& samples, int n) {
    double largest = samples[0];
    for (int i = 0; i <= n; ++i) {
        if (samples[i] >= largest) largest = samples[i];
    }
    return largest;
}

bool AllFinite(const std::vector<double>& samples, int count) {
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(samples[i])) return false;
    }
    return true;
}

const Failure kUndefined{std::string(message::kResponseUndefined)};

struct ScalarEvaluation {
    std::vector<double> sweep;
    double maxModulus = 0.0;
    int lower = 0;
    int upper = 0;
    Outcome<EvaluationCaptions> outcome;
};

// For texts whose checks pass and whose Avo, fc and f are not zero.
ScalarEvaluation EvaluateOneByOne(const FieldTexts& texts) {
    const CircuitValues values = ReadCircuitValues(texts);
    const int n = std::get<int>(ReadSampleCount(texts[Field::N]));
    ScalarEvaluation e;
    e.sweep = SweepOneByOne(values, kEvaluationDecades, n, n + 1).moduli;
    e.maxModulus = LargestOf(e.sweep, n);
    e.lower = FindLowerCutoffIndex(e.sweep, e.maxModulus, n);
    e.upper = FindUpperCutoffIndex(e.sweep, e.maxModulus, n);
    const Response atF = TransferFunction(values, ReadFieldNumber(texts[Field::f]));
    if (!std::isfinite(atF.Modulus) || !std::isfinite(atF.PhaseDeg) || !AllFinite(e.sweep, n + 1) ||
        e.maxModulus == 0.0) {
        e.outcome = kUndefined;
        return e;
    }
    e.outcome =
        EvaluationCaptions{FormatFixed(atF.Modulus, 2, "."), FormatFixed(atF.PhaseDeg, 2, "."),
                           FormatFixed(SweepFrequency(kEvaluationDecades, e.lower, n), 1, "."),
                           FormatFixed(SweepFrequency(kEvaluationDecades, e.upper, n), 0, ".")};
    return e;
}

struct ScalarPlot {
    ScalarSweep sweep;
    bool refused = false;
    double maxModulus = 0.0;
    double maxPhase = 0.0;
    double modulusScale = 0.0;
    double phaseScale = 0.0;
    std::vector<PlotPoint> modulusPoints;
    std::vector<PlotPoint> phasePoints;
};

double PhaseScaleOf(const std::vector<double>& phases, double maxPhase, int n) {
    double fullScale = maxPhase;
    if (maxPhase <= 0.0) {
        fullScale = 0.0;
        for (int i = 0; i <= n; ++i) fullScale = std::max(fullScale, std::fabs(phases[i]));
    }
    return fullScale == 0.0 ? 0.0 : 3000.0 / fullScale;
}

ScalarPlot PlotOneByOne(const GraphInputs& inputs, int range) {
    const int n = inputs.N;
    ScalarPlot p;
    p.sweep = SweepOneByOne(inputs.values, range, n, n + 2);
    p.maxModulus = LargestOf(p.sweep.moduli, n);
    p.maxPhase = LargestOf(p.sweep.phases, n);
    p.modulusScale = 7500.0 / p.maxModulus;
    p.phaseScale = PhaseScaleOf(p.sweep.phases, p.maxPhase, n);
    p.refused = !AllFinite(p.sweep.moduli, n + 2) || !AllFinite(p.sweep.phases, n + 2) ||
                !std::isfinite(p.modulusScale);
    for (int i = 0; i <= n + 1; ++i) {
        const double x = static_cast<double>(10980 * i) / static_cast<double>(n) + 120.0;
        p.modulusPoints.push_back({x, 7980.0 - p.modulusScale * p.sweep.moduli[i]});
        p.phasePoints.push_back({x, 3780.0 - p.phaseScale * p.sweep.phases[i]});
        p.refused = p.refused || !std::isfinite(p.modulusPoints.back().y) ||
                    !std::isfinite(p.phasePoints.back().y);
    }
    return p;
}

// ----- the comparisons

void CompareEvaluation(const FieldTexts& texts, const ScalarEvaluation& scalar, SweepPool* pool,
                       const std::string& where, Mismatches& mismatches) {
    const CircuitValues values = ReadCircuitValues(texts);
    const int n = std::get<int>(ReadSampleCount(texts[Field::N]));
    const std::vector<double> sweep = SweepModulus(values, n, pool);
    mismatches.Compare(sweep, scalar.sweep, where + " ModulusSweep");
    const double maxModulus = SweepMaximum(sweep, n);
    mismatches.Compare(maxModulus, scalar.maxModulus, where + " MaxModulus");
    if (FindLowerCutoffIndex(sweep, maxModulus, n) != scalar.lower ||
        FindUpperCutoffIndex(sweep, maxModulus, n) != scalar.upper) {
        mismatches.Add(where + " cut-off index");
    }
    if (EvaluateResponse(texts, ".", pool) != scalar.outcome) mismatches.Add(where + " captions");
}

void ComparePlot(const GraphInputs& inputs, int range, const ScalarPlot& scalar, SweepPool* pool,
                 const std::string& where, Mismatches& mismatches) {
    const Outcome<Plot> outcome = PlotResponse(inputs, range, ".", pool);
    if (Failed(outcome) != scalar.refused) return mismatches.Add(where + " plot refusal");
    if (scalar.refused) {
        if (std::get<Failure>(outcome) != kUndefined) mismatches.Add(where + " plot message");
        return;
    }
    const Plot& plot = std::get<Plot>(outcome);
    mismatches.Compare(plot.ModulusSweep, scalar.sweep.moduli, where + " ModulusSweep");
    mismatches.Compare(plot.PhaseSweep, scalar.sweep.phases, where + " PhaseSweep");
    mismatches.Compare(plot.MaxModulus, scalar.maxModulus, where + " MaxModulus");
    mismatches.Compare(plot.MaxPhase, scalar.maxPhase, where + " MaxPhase");
    if (plot.gmaxCaption != FormatFixed(scalar.maxModulus, 2, ".") ||
        plot.halfPowerLevelCaption != FormatFixed(0.707 * scalar.maxModulus, 2, ".")) {
        mismatches.Add(where + " level captions");
    }
    for (int i = 0; i < CurvePointCount(plot); ++i) {
        if (ModulusPoint(plot, i) != scalar.modulusPoints[i] ||
            PhasePoint(plot, i) != scalar.phasePoints[i]) {
            return mismatches.Add(where + " curve point " + std::to_string(i));
        }
    }
}

// ----- the designs

// A typed number of 17 significant digits, its decimal exponent within the given bounds.
std::string RandomNumber(PortableRandom& random, int lowestExponent, int highestExponent) {
    std::string text = random.OneIn(10) ? "-" : "";
    text += std::to_string(random.Between(1, 9)) + ".";
    for (int digit = 0; digit < 16; ++digit) text += std::to_string(random.Below(10));
    return text + "E" + std::to_string(random.Between(lowestExponent, highestExponent));
}

// Components over thirty decades, one in twenty of them close to the largest or the smallest
// double.
FieldTexts RandomDesign(PortableRandom& random) {
    FieldTexts texts;
    for (Field field :
         {Field::R1, Field::R2, Field::R, Field::R3, Field::R4, Field::R5, Field::RL, Field::C1,
          Field::C2, Field::C3, Field::C4, Field::C5, Field::C6, Field::Avo, Field::fc}) {
        if (random.OneIn(20)) {
            texts[field] =
                random.OneIn(2) ? RandomNumber(random, 295, 307) : RandomNumber(random, -318, -295);
        } else {
            texts[field] = RandomNumber(random, -15, 15);
        }
    }
    texts[Field::f] = RandomNumber(random, -3, 9);
    return texts;
}

struct Design {
    std::string name;
    FieldTexts texts;
    std::vector<int> ranges;
    bool longSweep = false;
};

std::vector<Design> Designs() {
    std::vector<Design> designs{
        {"reference design", test_support::ReferenceTexts(), {1, 2, 3, 4, 5, 6}, true},
        {"sized example design", test_support::SizedExampleTexts(), {1, 2, 3, 4, 5, 6}, true},
    };
    PortableRandom random(0x5EED0012);
    for (int d = 0; d < kRandomDesigns; ++d) {
        designs.push_back({"random design " + std::to_string(d),
                           RandomDesign(random),
                           {1 + d % 6},
                           d % kLongSweepEvery == 0});
    }
    return designs;
}

bool EvaluationRuns(const FieldTexts& texts) {
    const CircuitValues values = ReadCircuitValues(texts);
    return !CheckFields(texts, kEvaluationCheckOrder) && !CheckOpAmpValues(values) &&
           ReadFieldNumber(texts[Field::f]) != 0.0;
}

TEST(SweepEquivalence, FastSweepsMatchTheScalarPathBitForBitOnEveryInstructionSet) {
    const std::vector<int64_t> targets = hwy::SupportedAndGeneratedTargets();
    SweepPool pool(3);
    Mismatches mismatches;
    int comparedEvaluations = 0;
    int shownEvaluations = 0;
    int comparedPlots = 0;
    int drawnPlots = 0;
    for (const Design& design : Designs()) {
        std::vector<int> sampleCounts(kShortSampleCounts.begin(), kShortSampleCounts.end());
        if (design.longSweep) sampleCounts.push_back(kMaxSampleCount);
        for (int n : sampleCounts) {
            FieldTexts texts = design.texts;
            texts[Field::N] = std::to_string(n);
            if (!EvaluationRuns(texts)) continue;
            const ScalarEvaluation evaluation = EvaluateOneByOne(texts);
            const GraphInputs inputs{ReadCircuitValues(texts), n};
            std::vector<ScalarPlot> plots;
            for (int range : design.ranges) {
                plots.push_back(PlotOneByOne(inputs, range));
                ++comparedPlots;
                if (!plots.back().refused) ++drawnPlots;
            }

            // Long sweeps are shared; the calling thread alone must give the same.
            std::vector<SweepPool*> pools{&pool};
            if (n == kMaxSampleCount) pools.push_back(nullptr);
            for (int64_t target : targets) {
                hwy::SetSupportedTargetsForTest(target);
                for (SweepPool* sweepPool : pools) {
                    const std::string where = design.name + ", N " + std::to_string(n) + ", " +
                                              hwy::TargetName(target) +
                                              (sweepPool ? "" : ", one thread");
                    CompareEvaluation(texts, evaluation, sweepPool, where, mismatches);
                    for (std::size_t r = 0; r < design.ranges.size(); ++r) {
                        ComparePlot(inputs, design.ranges[r], plots[r], sweepPool,
                                    where + ", range " + std::to_string(design.ranges[r]),
                                    mismatches);
                    }
                }
            }
            ++comparedEvaluations;
            if (!Failed(evaluation.outcome)) ++shownEvaluations;
        }
    }
    hwy::SetSupportedTargetsForTest(0);
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Report();
    // Most designs must give figures, or the comparison would prove little.
    EXPECT_GT(shownEvaluations, comparedEvaluations / 2);
    EXPECT_GT(drawnPlots, comparedPlots / 2);
    std::string targetNames;
    for (int64_t target : targets) targetNames += std::string(" ") + hwy::TargetName(target);
    std::printf(
        "Compared on%s: %d evaluations (%d with captions, the rest refused), %d plots (%d drawn)\n",
        targetNames.c_str(), comparedEvaluations, shownEvaluations, comparedPlots, drawnPlots);
}

}  // namespace
}  // namespace amp::robustness
