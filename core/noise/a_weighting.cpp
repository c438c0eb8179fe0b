#include <cmath>

#include "core/noise/noise_analysis.h"

namespace amp {
namespace {

// The four pole frequencies of the A-weighting, Hz, from the defining frequencies of
// IEC 61672-1: fr = 1 kHz, fL = 10^1.5 Hz, fH = 10^3.9 Hz, D^2 = 1/2 and fA = 10^2.45 Hz.
struct AWeightingPoles {
    double f1Squared, f2Squared, f3Squared, f4Squared;
};

AWeightingPoles ComputePoles() {
    const double fr2 = kNoiseReferenceFrequency * kNoiseReferenceFrequency;
    const double fL2 = std::pow(10.0, 3.0);
    const double fH2 = std::pow(10.0, 7.8);
    const double d = std::sqrt(0.5);
    const double c = fL2 * fH2;
    const double b = (fr2 + c / fr2 - d * (fL2 + fH2)) / (1.0 - d);
    // f1^2 and f4^2 are the roots of x^2 + b x + c; the small one as c over the large one, which
    // keeps its digits.
    const double f4Squared = (-b + std::sqrt(b * b - 4.0 * c)) / 2.0;
    const double fA = std::pow(10.0, 2.45);
    const double sqrt5 = std::sqrt(5.0);
    const double f2 = (3.0 - sqrt5) / 2.0 * fA;
    const double f3 = (3.0 + sqrt5) / 2.0 * fA;
    return {c / f4Squared, f2 * f2, f3 * f3, f4Squared};
}

// The square of the unnormalised weighting R_A(f) = f4^2 f^4 / ((f^2 + f1^2)
// sqrt((f^2 + f2^2) (f^2 + f3^2)) (f^2 + f4^2)).
double SquaredWeighting(double f, const AWeightingPoles& poles) {
    const double f2 = f * f;
    const double numerator = poles.f4Squared * f2 * f2;
    const double outer = (f2 + poles.f1Squared) * (f2 + poles.f4Squared);
    return numerator * numerator /
           (outer * outer * ((f2 + poles.f2Squared) * (f2 + poles.f3Squared)));
}

}  // namespace

double AWeightingPowerGain(double f) {
    static const AWeightingPoles poles = ComputePoles();
    static const double atReference = SquaredWeighting(kNoiseReferenceFrequency, poles);
    return SquaredWeighting(f, poles) / atReference;
}

}  // namespace amp
