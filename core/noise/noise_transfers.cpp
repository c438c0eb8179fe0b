#include <algorithm>
#include <cmath>
#include <limits>

#include "core/model/circuit_model.h"
#include "core/noise/noise_analysis.h"

namespace amp {
namespace {

Complex Scaled(Complex z, double k) {
    return {z.Re * k, z.Im * k};
}

Complex Sum(Complex a, Complex b) {
    return {a.Re + b.Re, a.Im + b.Im};
}

// x parallel to a capacitor c at the angular frequency wf: x / (1 + j wf c x).
Complex ParallelWithCapacitor(double x, double wf, double c) {
    return ComplexDiv({x, 0.0}, {1.0, (wf * c) * x});
}

// The smaller of the two, or NaN when either is: an undefined gain must not pass for a limit.
double SmallerOf(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
    return std::min(a, b);
}

}  // namespace

NoiseSourceValues NoiseGainsSquared(const CircuitValues& values, double f) {
    const CircuitModel<double> model(values);
    const double wf = kTwoPi * f;
    const Complex a = model.OpAmpGain(f);
    const Complex coupling = model.CouplingNetwork(f);
    const Complex beta = model.FeedbackFactor(f);

    // The op-amps' outputs are ideal sources, so each stage ends at one and the gains from the
    // two + inputs to Vo are products of the model's sections.
    const Complex fromU2 = ComplexMul(model.NonInvertingGain(f, a), model.OutputCoupling(f));
    const Complex fromU1 =
        ComplexMul(ComplexMul(CircuitModel<double>::FollowerGain(a), coupling), fromU2);

    // The input network with Vi a short: R1 parallel to C1 at a, R2 from a to b, R parallel to C2
    // at b, one loop of impedance za + R2 + zb. A resistor's series voltage is the same source as
    // a current of e / R across it.
    const Complex za = ParallelWithCapacitor(values.R1, wf, values.C1);
    const Complex zb = ParallelWithCapacitor(values.R, wf, values.C2);
    const Complex zaR2 = Sum(za, {values.R2, 0.0});
    const Complex loop = Sum(zaR2, zb);
    const Complex atB = ComplexDiv(zb, loop);  // b per volt in series with R2
    const Complex bPerAmpere = ComplexMul(atB, zaR2);
    const Complex fromR1 = ComplexDiv(atB, {1.0, (wf * values.C1) * values.R1});
    const Complex fromR = ComplexDiv(ComplexDiv(zaR2, loop), {1.0, (wf * values.C2) * values.R});

    // U2's + input sees R parallel to R3 in series with C3 (vo1 a short); a volt in series with R3
    // reaches it as the signal does.
    const Complex dPerVoltInR = ComplexDiv({1.0, (wf * values.C3) * values.R3},
                                           {1.0, (wf * values.C3) * (values.R + values.R3)});
    // Its - input: what enters m reaches U2's output through Z4 parallel to Z5, Z4 beta; a volt in
    // series with R5 through Z4 / (Z4 + Z5), 1 - beta.
    const Complex z4 = ParallelWithCapacitor(values.R4, wf, values.C4);
    const Complex mPerAmpere = ComplexMul(z4, beta);
    const Complex fromR4 = ComplexDiv(beta, {1.0, (wf * values.C4) * values.R4});
    const Complex fromR5{1.0 - beta.Re, -beta.Im};
    // RL's current sees RL parallel to C6 (U2's output a short).
    const Complex fromRL = ComplexDiv({1.0, 0.0}, {1.0, (wf * values.C6) * values.RL});

    NoiseSourceValues gains{};
    auto set = [&gains](NoiseSource source, Complex gain) {
        gains[static_cast<std::size_t>(source)] = SquaredModulus(gain);
    };
    using enum NoiseSource;
    set(R1, ComplexMul(fromR1, fromU1));
    set(R2, ComplexMul(atB, fromU1));
    set(RInput, ComplexMul(fromR, fromU1));
    set(R3, ComplexMul(coupling, fromU2));
    set(RCoupling, ComplexMul(dPerVoltInR, fromU2));
    set(R4, ComplexMul(fromR4, fromU2));
    set(R5, ComplexMul(fromR5, fromU2));
    set(RL, fromRL);
    set(EnU1, fromU1);
    set(EnU2, fromU2);
    set(InU1, ComplexMul(bPerAmpere, fromU1));
    set(InU2Plus, ComplexMul(Scaled(dPerVoltInR, values.R), fromU2));
    set(InU2Minus, ComplexMul(mPerAmpere, fromU2));
    return gains;
}

NoiseSourceValues OutputNoisePowers(const CircuitValues& values, const NoiseSettings& settings,
                                    double f) {
    const double fourKT = 4.0 * kBoltzmann * (settings.temperature + kZeroCelsius);
    const double en2 = settings.en * settings.en;
    const double in2 = settings.in * settings.in;
    // Each source's own power density, in NoiseSource order.
    const NoiseSourceValues densities{
        fourKT * values.R1,
        fourKT * values.R2,
        fourKT * values.R,
        fourKT * values.R3,
        fourKT * values.R,
        fourKT * values.R4,
        fourKT * values.R5,
        fourKT * values.RL,
        en2,
        en2,
        in2,
        in2,
        in2,
    };
    NoiseSourceValues powers = NoiseGainsSquared(values, f);
    for (std::size_t k = 0; k < powers.size(); ++k) powers[k] *= densities[k];
    return powers;
}

double OutputNoiseDensity(const CircuitValues& values, const NoiseSettings& settings, double f) {
    const NoiseSourceValues powers = OutputNoisePowers(values, settings, f);
    double total = 0.0;
    for (double power : powers) total += power;
    return std::sqrt(total);
}

double LargestCleanOutput(const CircuitValues& values, const NoiseSettings& settings, double f) {
    const CircuitModel<double> model(values);
    // Each op-amp's largest peak: within the rails' reach, and no steeper than its slew rate.
    const double swing =
        std::min(settings.supply - settings.margin, settings.slewRate / (kTwoPi * f));
    // Vo is U2's output times the output coupling, and U2's output is U1's times the coupling
    // network and the second stage.
    const Complex outputPerU2 = model.OutputCoupling(f);
    const Complex u2PerU1 =
        ComplexMul(model.CouplingNetwork(f), model.NonInvertingGain(f, model.OpAmpGain(f)));
    const double perU2 = Modulus(outputPerU2);
    return swing * SmallerOf(perU2, perU2 * Modulus(u2PerU1));
}

}  // namespace amp
