#include "tests/spice/noise_comparison.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/noise/noise_analysis.h"

namespace amp::spice {
namespace {

// How ngspice names each of the program's sources: the part, or the resistor inside U1 or U2
// that stands for en or in.
struct SimulatedSource {
    std::string_view device;
    NoiseSource source;
};

constexpr std::array<SimulatedSource, kNoiseSourceCount> kSimulatedSources{{
    {"r1", NoiseSource::R1},
    {"r2", NoiseSource::R2},
    {"r_in", NoiseSource::RInput},
    {"r3", NoiseSource::R3},
    {"r_cpl", NoiseSource::RCoupling},
    {"r4", NoiseSource::R4},
    {"r5", NoiseSource::R5},
    {"rl", NoiseSource::RL},
    {"r.xu1.ren", NoiseSource::EnU1},
    {"r.xu2.ren", NoiseSource::EnU2},
    {"r.xu1.rinp", NoiseSource::InU1},
    {"r.xu2.rinp", NoiseSource::InU2Plus},
    {"r.xu2.rinm", NoiseSource::InU2Minus},
}};

// The devices of the noise plot: "onoise_<device>", without the thermal and flicker parts of
// each and without the sums.
std::vector<std::string> NoiseDevices(const RawPlot& density) {
    std::vector<std::string> devices;
    for (const std::string& variable : density.variables) {
        if (variable.rfind("onoise_", 0) != 0 || variable == "onoise_spectrum") continue;
        if (variable.ends_with("_thermal") || variable.ends_with("_1overf")) continue;
        devices.push_back(variable.substr(std::string_view("onoise_").size()));
    }
    return devices;
}

bool IsProgramSource(const std::string& device) {
    for (const SimulatedSource& simulated : kSimulatedSources) {
        if (simulated.device == device) return true;
    }
    return false;
}

void Worsen(double error, double& worst, auto&& where) {
    if (!(error <= worst)) {
        worst = error;
        where();
    }
}

}  // namespace

void NoiseAgreement::Merge(const NoiseAgreement& other) {
    samples += other.samples;
    Worsen(other.densityError, densityError, [&] { densityErrorAt = other.densityErrorAt; });
    Worsen(other.totalError, totalError, [&] { totalErrorIn = other.totalErrorIn; });
    Worsen(other.sourceError, sourceError, [&] {
        sourceErrorOf = other.sourceErrorOf;
        sourceErrorAt = other.sourceErrorAt;
    });
}

NoiseAgreement CompareNoise(const CircuitValues& values, const NoiseSettings& settings,
                            const std::vector<RawPlot>& plots, const std::string& run) {
    const RawPlot& density = PlotNamed(plots, "Noise Spectral Density Curves");
    const std::vector<Complex>& f = density.Values("frequency");
    const std::vector<Complex>& total = density.Values("onoise_spectrum");
    NoiseAgreement agreement;
    agreement.samples = f.size();

    for (std::size_t i = 0; i < f.size(); ++i) {
        const double model = OutputNoiseDensity(values, settings, f[i].Re);
        Worsen(std::fabs(total[i].Re - model) / model, agreement.densityError,
               [&] { agreement.densityErrorAt = f[i].Re; });
    }

    // Each source's density squared against the program's, as a part of the whole. A noiseless
    // device is missing from the plot; one that the program has no source for (the current
    // noise into U1's - input, which is its ideal output) must add nothing.
    std::vector<NoiseSourceValues> powers;
    for (const Complex& at : f) powers.push_back(OutputNoisePowers(values, settings, at.Re));
    auto compareSource = [&](const std::string& device, auto&& modelPower) {
        const std::vector<Complex>* simulated = density.Find("onoise_" + device);
        for (std::size_t i = 0; i < f.size(); ++i) {
            const double power = simulated ? std::pow((*simulated)[i].Re, 2) : 0.0;
            const double whole = std::pow(OutputNoiseDensity(values, settings, f[i].Re), 2);
            const double error = std::fabs(power - modelPower(i)) / whole;
            Worsen(error, agreement.sourceError, [&] {
                agreement.sourceErrorOf = run + " " + device;
                agreement.sourceErrorAt = f[i].Re;
            });
        }
    };
    for (const SimulatedSource& simulated : kSimulatedSources) {
        compareSource(std::string(simulated.device), [&](std::size_t i) {
            return powers[i][static_cast<std::size_t>(simulated.source)];
        });
    }
    for (const std::string& device : NoiseDevices(density)) {
        if (!IsProgramSource(device)) compareSource(device, [](std::size_t) { return 0.0; });
    }

    const Outcome<NoiseAnalysis> analysis = AnalyseNoise(values, settings);
    if (const Failure* failure = FailureOf(analysis)) {
        ADD_FAILURE() << run << ": " << failure->message;
        return agreement;
    }
    const double modelTotal = std::get<NoiseAnalysis>(analysis).figures.outputNoise;
    const double simulatedTotal =
        PlotNamed(plots, "Integrated Noise").Values("v(onoise_total)").front().Re;
    agreement.totalError = std::fabs(simulatedTotal - modelTotal) / modelTotal;
    agreement.totalErrorIn = run;
    return agreement;
}

std::string Describe(const std::string& what, const NoiseAgreement& a) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "%s: %zu noise samples, worst output density relative error %.3e at %.6g Hz, "
                  "worst total relative error %.3e (%s), worst source %.3e of the density "
                  "squared (%s at %.6g Hz)",
                  what.c_str(), a.samples, a.densityError, a.densityErrorAt, a.totalError,
                  a.totalErrorIn.c_str(), a.sourceError, a.sourceErrorOf.c_str(), a.sourceErrorAt);
    return text;
}

}  // namespace amp::spice
