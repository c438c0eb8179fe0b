#include "core/tolerance/tolerance_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/design/evaluation.h"
#include "core/model/transfer_function.h"
#include "core/sweep/response_sweep.h"
#include "core/sweep/sweep_pool.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

using test_support::ReferenceTexts;
using test_support::SizedExampleTexts;

EvaluationInputs Design(const FieldTexts& texts, int n) {
    FieldTexts withN = texts;
    withN[Field::N] = std::to_string(n);
    return std::get<EvaluationInputs>(ReadEvaluationInputs(withN));
}

ToleranceResult Analyse(const EvaluationInputs& design, const ToleranceSettings& settings,
                        SweepPool* pool) {
    const auto outcome = RunToleranceAnalysis(design, settings, pool);
    EXPECT_FALSE(Failed(outcome));
    return std::get<ToleranceResult>(outcome);
}

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Where two results differ, the first place of each kind; empty when equal to the last bit.
std::string Difference(const ToleranceResult& a, const ToleranceResult& b) {
    std::string report;
    const auto figures = [](const FigureStatistics& s) {
        return std::vector<double>{s.minimum, s.p5, s.median, s.p95, s.maximum};
    };
    for (int j = 0; j < kToleranceFigureCount; ++j) {
        const auto x = figures(a.statistics[j]);
        const auto y = figures(b.statistics[j]);
        for (std::size_t k = 0; k < x.size(); ++k) {
            if (!Same(x[k], y[k]))
                report += "figure " + std::to_string(j) + " statistic " + std::to_string(k) + "\n";
        }
    }
    const auto curves = [](const ToleranceBand& band) {
        return std::vector{band.nominal, band.minimum, band.p5, band.p95, band.maximum};
    };
    const auto x = curves(a.band);
    const auto y = curves(b.band);
    for (std::size_t c = 0; c < x.size(); ++c) {
        for (std::size_t i = 0; i < x[c].size(); ++i) {
            if (!Same(x[c][i], y[c][i])) {
                report += "band curve " + std::to_string(c) + " at " + std::to_string(i) + "\n";
                break;
            }
        }
    }
    if (!Same(a.band.resolution, b.band.resolution)) report += "resolution\n";
    return report;
}

// With every tolerance 0 each trial is the nominal design: every statistic is the evaluation's
// own figure and the band is its sweep, to the last bit.
TEST(ToleranceAnalysis, ZeroToleranceReproducesTheEvaluation) {
    for (const FieldTexts& texts : {ReferenceTexts(), SizedExampleTexts()}) {
        for (int n : {1, 7, 1000}) {
            const EvaluationInputs design = Design(texts, n);
            const std::vector<double> sweep = SweepModulus(design.values, n);
            const double max = SweepMaximum(sweep, n);
            const Response atF = TransferFunction(design.values, design.f);
            const TrialFigures expected{
                SweepFrequency(kEvaluationDecades, FindLowerCutoffIndex(sweep, max, n), n),
                SweepFrequency(kEvaluationDecades, FindUpperCutoffIndex(sweep, max, n), n), max,
                atF.Modulus, atF.PhaseDeg};
            const ToleranceResult result =
                Analyse(design, {{}, ToleranceDistribution::Normal, 300, 7}, nullptr);
            for (int j = 0; j < kToleranceFigureCount; ++j) {
                const FigureStatistics& s = result.statistics[j];
                for (double statistic : {s.minimum, s.p5, s.median, s.p95, s.maximum}) {
                    EXPECT_TRUE(Same(statistic, expected[j])) << "figure " << j << ", N " << n;
                }
                EXPECT_TRUE(Same(result.nominal[j], expected[j]));
            }
            for (int i = 0; i <= n; ++i) {
                for (double band :
                     {result.band.nominal[i], result.band.minimum[i], result.band.p5[i],
                      result.band.p95[i], result.band.maximum[i]}) {
                    ASSERT_TRUE(Same(band, sweep[i])) << "sample " << i << ", N " << n;
                }
            }
        }
    }
}

// Several chunks of trials, shared among none, one and three helpers.
TEST(ToleranceAnalysis, SameSeedGivesTheSameResultsOnAnyNumberOfThreads) {
    const EvaluationInputs design = Design(SizedExampleTexts(), 300);
    const ToleranceSettings settings{
        {0.05, 0.2, 0.3, 0.3}, ToleranceDistribution::Uniform, 700, 99};
    const ToleranceResult alone = Analyse(design, settings, nullptr);
    for (unsigned helpers : {1u, 3u}) {
        SweepPool pool(helpers);
        EXPECT_EQ(Difference(Analyse(design, settings, &pool), alone), "") << helpers;
    }
    ToleranceSettings reseeded = settings;
    reseeded.seed = 100;
    EXPECT_NE(Difference(Analyse(design, reseeded, nullptr), alone), "");
}

// ----- the straightforward path: TransferFunction sample by sample, the searches as written

double HalfPowerDistance(double sample, double max) {
    return std::fabs(sample / max - 1.0 / std::sqrt(2.0));
}

TrialFigures ScalarFigures(const CircuitValues& values, double f, int n,
                           std::vector<double>& sweep) {
    sweep.assign(static_cast<std::size_t>(n) + 3, 0.0);
    for (int i = 0; i <= n; ++i) {
        sweep[i] = TransferFunction(values, std::pow(10.0, (6.0 * i) / n)).Modulus;
    }
    double max = sweep[0];
    for (int i = 0; i <= n; ++i) {
        if (sweep[i] >= max) max = sweep[i];
    }
    int lower = n + 1;
    int upper = n + 1;
    for (int i = n; i >= 0; --i) {
        if (HalfPowerDistance(sweep[i], max) > 0.01) continue;
        if (sweep[i + 1] > sweep[i]) lower = i;
        if (sweep[i + 1] < sweep[i]) upper = i;
    }
    const Response atF = TransferFunction(values, f);
    return {std::pow(10.0, (6.0 * lower) / n), std::pow(10.0, (6.0 * upper) / n), max, atF.Modulus,
            atF.PhaseDeg};
}

double RankOf(const std::vector<double>& sorted, int percent) {
    const auto count = static_cast<double>(sorted.size());
    const auto rank = static_cast<std::size_t>(std::max(1.0, std::ceil(percent * count / 100.0)));
    return sorted[rank - 1];
}

TEST(ToleranceAnalysis, StatisticsAgreeWithAStraightforwardLoopBitForBit) {
    const EvaluationInputs design = Design(ReferenceTexts(), 400);
    const ToleranceSettings settings{
        {0.02, 0.1, 0.25, 0.25}, ToleranceDistribution::Normal, 1500, 2024};
    SweepPool pool(1);
    const ToleranceResult result = Analyse(design, settings, &pool);

    std::vector<std::vector<double>> figures(kToleranceFigureCount);
    std::vector<std::vector<double>> samples(design.n + 1);
    std::vector<double> sweep;
    for (int trial = 0; trial < settings.trials; ++trial) {
        const CircuitValues values =
            DrawTrialValues(design.values, settings.tolerances, settings.distribution,
                            settings.seed, static_cast<std::uint64_t>(trial));
        const TrialFigures trialFigures = ScalarFigures(values, design.f, design.n, sweep);
        for (int j = 0; j < kToleranceFigureCount; ++j) figures[j].push_back(trialFigures[j]);
        for (int i = 0; i <= design.n; ++i) samples[i].push_back(sweep[i]);
    }
    for (int j = 0; j < kToleranceFigureCount; ++j) {
        std::sort(figures[j].begin(), figures[j].end());
        const FigureStatistics& s = result.statistics[j];
        EXPECT_TRUE(Same(s.minimum, figures[j].front())) << j;
        EXPECT_TRUE(Same(s.p5, RankOf(figures[j], 5))) << j;
        EXPECT_TRUE(Same(s.median, RankOf(figures[j], 50))) << j;
        EXPECT_TRUE(Same(s.p95, RankOf(figures[j], 95))) << j;
        EXPECT_TRUE(Same(s.maximum, figures[j].back())) << j;
    }
    // The cut-offs do spread, or the comparison would prove little.
    EXPECT_LT(result.statistics[0].minimum, result.statistics[0].maximum);

    // The band's extremes are exact, its percentiles within the stated resolution.
    const double r = result.band.resolution;
    EXPECT_GT(r, 0.0);
    EXPECT_LT(r, 0.01);
    for (int i = 0; i <= design.n; ++i) {
        std::sort(samples[i].begin(), samples[i].end());
        ASSERT_TRUE(Same(result.band.minimum[i], samples[i].front())) << i;
        ASSERT_TRUE(Same(result.band.maximum[i], samples[i].back())) << i;
        const double p5 = RankOf(samples[i], 5);
        const double p95 = RankOf(samples[i], 95);
        ASSERT_LE(std::fabs(result.band.p5[i] / p5 - 1.0), r) << i;
        ASSERT_LE(std::fabs(result.band.p95[i] / p95 - 1.0), r) << i;
    }
}

TEST(ToleranceAnalysis, StoppedAnalysisEndsWithItsMessage) {
    const EvaluationInputs design = Design(ReferenceTexts(), 1000);
    const ToleranceSettings settings{{0.01, 0.1}, ToleranceDistribution::Uniform, 100000, 1};
    std::stop_source stop;
    int reports = 0;
    const ToleranceMonitor monitor{stop.get_token(), [&](int finished) {
                                       ++reports;
                                       EXPECT_LT(finished, settings.trials);
                                       stop.request_stop();
                                   }};
    SweepPool pool(1);
    const auto outcome = RunToleranceAnalysis(design, settings, &pool, monitor);
    ASSERT_TRUE(Failed(outcome));
    EXPECT_EQ(std::get<Failure>(outcome).message, message::kToleranceAnalysisStopped);
    EXPECT_EQ(reports, 1);
}

TEST(ToleranceAnalysis, DesignWithoutADefinedResponseIsRefusedWithTheEvaluationsMessage) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::RL] = "0";
    const auto outcome = RunToleranceAnalysis(
        Design(texts, 100), {{0.01}, ToleranceDistribution::Uniform, 10, 1}, nullptr);
    ASSERT_TRUE(Failed(outcome));
    EXPECT_EQ(std::get<Failure>(outcome), std::get<Failure>(EvaluateResponse(texts, ".")));
}

}  // namespace
}  // namespace amp
