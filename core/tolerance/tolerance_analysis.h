#pragma once

#include <array>
#include <functional>
#include <stop_token>
#include <vector>

#include "core/checks/outcome.h"
#include "core/design/evaluation.h"
#include "core/tolerance/percentile.h"
#include "core/tolerance/tolerance_settings.h"
#include "core/tolerance/trial_sweep.h"

namespace amp {

class SweepPool;

// |Vo/Vi| at each sample 0 ... N of the evaluation's sweep: the nominal design's, and over the
// trials the smallest, the 5th and 95th percentiles and the largest.
struct ToleranceBand {
    std::vector<double> nominal;
    std::vector<double> minimum;
    std::vector<double> p5;
    std::vector<double> p95;
    std::vector<double> maximum;
    // The percentiles lie within this fraction of the moduli they stand for; the smallest and
    // largest moduli are exact.
    double resolution = 0.0;
};

struct ToleranceResult {
    int n = 0;
    int trials = 0;
    // The figures of the nominal design, as "Calcola Modulo e Fase, fi e fs effettive" finds them.
    TrialFigures nominal{};
    // Over the trials, indexed by ToleranceFigure.
    std::array<FigureStatistics, kToleranceFigureCount> statistics{};
    ToleranceBand band;
};

inline const FigureStatistics& StatisticsOf(const ToleranceResult& result, ToleranceFigure figure) {
    return result.statistics[static_cast<std::size_t>(figure)];
}

// What a long analysis listens to: a stop request, checked every few milliseconds, and a report
// of the trials done so far, made from the thread that runs the analysis.
struct ToleranceMonitor {
    std::stop_token stop;
    std::function<void(int finishedTrials)> progress;
};

// The Monte Carlo analysis of the design: each trial draws its values (DrawTrialValues) and runs
// the evaluation's sweep on them. The results depend only on the design and the settings, not on
// the pool or on how the trials were shared among its threads. The pool runs one short batch of
// work at a time, so other sweeps wait a few milliseconds at most; without a pool the calling
// thread works alone. Memory stays bounded whatever the number of trials.
// Returns the results, or the message of a design or trial without a defined response, or that
// of a stop (message::kToleranceAnalysisStopped), which the caller that asked for it need not
// show.
Outcome<ToleranceResult> RunToleranceAnalysis(const EvaluationInputs& design,
                                              const ToleranceSettings& settings, SweepPool* pool,
                                              const ToleranceMonitor& monitor = {});

}  // namespace amp
