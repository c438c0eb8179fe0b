#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/checks/messages.h"
#include "core/design/evaluation.h"
#include "core/model/transfer_function.h"
#include "core/noise/noise_analysis.h"

namespace amp {
namespace {

constexpr std::array<std::string_view, kNoiseSourceCount> kSourceNames{
    "R1", "R2",    "R (ingresso)", "R3",    "R (accoppiamento)", "R4",        "R5",
    "RL", "en U1", "en U2",        "in U1", "in U2 (+)",         "in U2 (-)",
};

// growth / ln(1 + growth). Within kSeriesGrowth, where most steps of the band lie, the series of
// Gregory's coefficients to the tenth power gives it within 1e-13: inside the Qt program, whose
// start leaves the upper halves of the vector registers in use, each call of the maths library
// costs about a hundred times the series.
constexpr double kSeriesGrowth = 0.1;

double GrowthOverLogOfGrowth(double d) {
    if (std::fabs(d) > kSeriesGrowth) return d / std::log1p(d);
    constexpr double kGregory[] = {1.0,
                                   1.0 / 2.0,
                                   -1.0 / 12.0,
                                   1.0 / 24.0,
                                   -19.0 / 720.0,
                                   3.0 / 160.0,
                                   -863.0 / 60480.0,
                                   275.0 / 24192.0,
                                   -33953.0 / 3628800.0,
                                   8183.0 / 1036800.0,
                                   -3250433.0 / 479001600.0};
    double sum = 0.0;
    for (auto coefficient = std::rbegin(kGregory); coefficient != std::rend(kGregory);
         ++coefficient) {
        sum = sum * d + *coefficient;
    }
    return sum;
}

// The integral over one step of a density that follows a power law between its ends, from the
// density times the frequency at the ends, x and y, and the step h in ln f: h (y - x) / ln(y / x).
double PowerLawStep(double x, double y, double h) {
    // A power law through zero is zero throughout.
    if (x == 0.0 || y == 0.0) return 0.0;
    return h * x * GrowthOverLogOfGrowth((y - x) / x);
}

// Each source's output noise power over the band, flat and A-weighted, V^2. Each source is
// integrated on its own, so that the shares add up to the total.
struct BandPowers {
    NoiseSourceValues flat{};
    NoiseSourceValues aWeighted{};
};

BandPowers IntegrateBand(const CircuitValues& values, const NoiseSettings& settings) {
    // Samples f1 r^k below f2, r = 10^(1 / kNoiseBandSamplesPerDecade), each the last times r as
    // ngspice steps, then f2 itself; a last whole step that rounding puts a hair off f2 ends on f2.
    constexpr double kStepRounding = 1e-9;
    const double lnStep = std::log(10.0) / kNoiseBandSamplesPerDecade;
    const double ratio = std::exp(lnStep);
    const double stepsToHigh =
        kNoiseBandSamplesPerDecade * std::log10(settings.bandHigh / settings.bandLow);
    const int steps = std::max(1, static_cast<int>(std::ceil(stepsToHigh - kStepRounding)));
    // Density times frequency at a sample: what the power law integrates over ln f.
    auto sample = [&](double f) {
        BandPowers at;
        at.flat = OutputNoisePowers(values, settings, f);
        const double weight = AWeightingPowerGain(f);
        for (std::size_t s = 0; s < at.flat.size(); ++s) {
            at.flat[s] *= f;
            at.aWeighted[s] = at.flat[s] * weight;
        }
        return at;
    };

    BandPowers band;
    double f = settings.bandLow;
    BandPowers previous = sample(f);
    for (int k = 1; k <= steps; ++k) {
        const double next = k == steps ? settings.bandHigh : f * ratio;
        const double h = k == steps ? std::log(next / f) : lnStep;
        const BandPowers at = sample(next);
        for (std::size_t s = 0; s < kNoiseSourceCount; ++s) {
            band.flat[s] += PowerLawStep(previous.flat[s], at.flat[s], h);
            band.aWeighted[s] += PowerLawStep(previous.aWeighted[s], at.aWeighted[s], h);
        }
        f = next;
        previous = at;
    }
    return band;
}

double Sum(const NoiseSourceValues& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// 20 log10(a / b), taken as a difference of logarithms so that no quotient overflows.
double Decibels(double a, double b) {
    return 20.0 * (std::log10(a) - std::log10(b));
}

bool HasNegativeResistor(const CircuitValues& v) {
    return std::ranges::any_of(std::array{v.R1, v.R2, v.R, v.R3, v.R4, v.R5, v.RL},
                               [](double r) { return r < 0.0; });
}

bool AllFinite(const NoiseAnalysis& analysis) {
    const NoiseFigures& f = analysis.figures;
    const std::array figures{f.outputNoise,
                             f.outputNoiseAWeighted,
                             f.inputNoise,
                             f.signalToNoise,
                             f.signalToNoiseAWeighted,
                             f.largestCleanAt1k,
                             f.largestCleanAtBandHigh,
                             f.fullPowerBandwidth,
                             f.dynamicRange,
                             f.dynamicRangeAWeighted};
    auto finite = [](double x) { return std::isfinite(x); };
    const NoiseCurves& curves = analysis.curves;
    return std::ranges::all_of(figures, finite) &&
           std::ranges::all_of(
               analysis.contributions,
               [&](const NoiseContribution& c) { return finite(c.rms) && finite(c.share); }) &&
           std::ranges::all_of(curves.density, finite) &&
           std::ranges::all_of(curves.largestClean, finite);
}

// The curves' frequencies, the same for every design: worked out once.
const std::vector<double>& CurveFrequencies() {
    static const std::vector<double> frequencies = [] {
        std::vector<double> grid(kNoiseCurveSampleCount);
        for (int i = 0; i < kNoiseCurveSampleCount; ++i) {
            grid[i] = SweepFrequency(kNoiseCurveDecades, i, kNoiseCurveSampleCount - 1);
        }
        return grid;
    }();
    return frequencies;
}

NoiseCurves SampleCurves(const CircuitValues& values, const NoiseSettings& settings) {
    NoiseCurves curves;
    curves.frequencies = CurveFrequencies();
    curves.density.reserve(kNoiseCurveSampleCount);
    curves.largestClean.reserve(kNoiseCurveSampleCount);
    for (double f : curves.frequencies) {
        curves.density.push_back(OutputNoiseDensity(values, settings, f));
        curves.largestClean.push_back(LargestCleanOutput(values, settings, f));
    }
    return curves;
}

}  // namespace

std::string_view NoiseSourceName(NoiseSource source) {
    return kSourceNames[static_cast<std::size_t>(source)];
}

Outcome<NoiseAnalysis> AnalyseNoise(const CircuitValues& values, const NoiseSettings& settings) {
    // Thermal noise needs a resistance of one sign: a negative one would give a negative share.
    if (HasNegativeResistor(values)) return Failure{std::string(message::kNegativeResistorNoise)};

    NoiseAnalysis analysis;
    analysis.settings = settings;
    const BandPowers band = IntegrateBand(values, settings);
    const double flat = Sum(band.flat);
    const double aWeighted = Sum(band.aWeighted);
    for (std::size_t s = 0; s < kNoiseSourceCount; ++s) {
        analysis.contributions[s] = {static_cast<NoiseSource>(s), std::sqrt(band.flat[s]),
                                     band.flat[s] / flat};
    }

    NoiseFigures& figures = analysis.figures;
    figures.outputNoise = std::sqrt(flat);
    figures.outputNoiseAWeighted = std::sqrt(aWeighted);
    figures.inputNoise =
        figures.outputNoise / TransferFunction(values, kNoiseReferenceFrequency).Modulus;
    figures.signalToNoise = Decibels(settings.level, figures.outputNoise);
    figures.signalToNoiseAWeighted = Decibels(settings.level, figures.outputNoiseAWeighted);
    figures.largestCleanAt1k = LargestCleanOutput(values, settings, kNoiseReferenceFrequency);
    figures.largestCleanAtBandHigh = LargestCleanOutput(values, settings, settings.bandHigh);
    figures.fullPowerBandwidth = settings.slewRate / (kTwoPi * (settings.supply - settings.margin));
    const double largestRms = figures.largestCleanAt1k / std::sqrt(2.0);
    figures.dynamicRange = Decibels(largestRms, figures.outputNoise);
    figures.dynamicRangeAWeighted = Decibels(largestRms, figures.outputNoiseAWeighted);
    figures.supplyAboveRating = SupplyAboveRating(settings);

    analysis.curves = SampleCurves(values, settings);
    if (!AllFinite(analysis)) return Failure{std::string(message::kResponseUndefined)};
    return analysis;
}

Outcome<NoiseAnalysis> AnalyseNoise(const FieldTexts& design, const NoiseTexts& noise) {
    const Outcome<EvaluationInputs> inputs = ReadEvaluationInputs(design);
    if (const Failure* failure = FailureOf(inputs)) return *failure;
    const Outcome<NoiseSettings> settings = ReadNoiseSettings(noise);
    if (const Failure* failure = FailureOf(settings)) return *failure;
    return AnalyseNoise(std::get<EvaluationInputs>(inputs).values,
                        std::get<NoiseSettings>(settings));
}

}  // namespace amp
