#include "core/transfer_function.h"

namespace amp {

// Every product below is formed left to right as w * f * X * Y, so that results match the
// circuit's reference figures to the last digit.

Complex OpAmpGain(double f, double fc, double Avo) {
    return ComplexDiv({fc, 0.0}, {fc / Avo, f});
}

Complex FollowerGain(double f, double fc, double Avo) {
    const Complex a = OpAmpGain(f, fc, Avo);
    return ComplexDiv(a, {a.Re + 1.0, a.Im});
}

Complex InputNetwork(double f, double C1, double R1, double R, double C2, double R2) {
    Complex k = ComplexMul({1.0, kTwoPi * f * C1 * R1}, {1.0, kTwoPi * f * C2 * R});
    k = {R2 * k.Re, R2 * k.Im};
    const Complex numerator{0.0, kTwoPi * f * R * R1 * C1};
    const Complex denominator{(R1 + R) + k.Re,
                              ((kTwoPi * f * C2 * R * R1) + (kTwoPi * f * C1 * R * R1)) + k.Im};
    return ComplexDiv(numerator, denominator);
}

Complex CouplingNetwork(double f, double C3, double R, double R3) {
    return ComplexDiv({0.0, kTwoPi * f * C3 * R}, {1.0, kTwoPi * f * C3 * (R + R3)});
}

Complex FeedbackFactor(double f, double C5, double R5, double C4, double R4) {
    const Complex p = ComplexMul({1.0, kTwoPi * f * C4 * R4}, {1.0, kTwoPi * f * C5 * R5});
    const Complex q = ComplexDiv({0.0, kTwoPi * f * C5 * R4}, p);
    return ComplexDiv({1.0, 0.0}, {1.0 + q.Re, q.Im});
}

Complex NonInvertingGain(double f, double fc, double Avo, double C5, double R5, double C4,
                         double R4) {
    const Complex a = OpAmpGain(f, fc, Avo);
    const Complex beta = FeedbackFactor(f, C5, R5, C4, R4);
    const Complex t = ComplexMul(a, beta);
    return ComplexDiv(a, {1.0 + t.Re, t.Im});
}

Complex OutputCoupling(double f, double C6, double RL) {
    const double x = kTwoPi * f * C6 * RL;
    return ComplexDiv({0.0, x}, {1.0, x});
}

Complex TransferRatio(double f, double Avo, double fc, double C1, double C2, double C3, double C4,
                      double C5, double C6, double R1, double R2, double R3, double R4, double R5,
                      double RL, double R) {
    Complex p = ComplexMul(InputNetwork(f, C1, R1, R, C2, R2), FollowerGain(f, fc, Avo));
    p = ComplexMul(p, CouplingNetwork(f, C3, R, R3));
    p = ComplexMul(p, NonInvertingGain(f, fc, Avo, C5, R5, C4, R4));
    return ComplexMul(p, OutputCoupling(f, C6, RL));
}

Response TransferFunction(double f, double Avo, double fc, double C1, double C2, double C3,
                          double C4, double C5, double C6, double R1, double R2, double R3,
                          double R4, double R5, double RL, double R) {
    const Complex g = TransferRatio(f, Avo, fc, C1, C2, C3, C4, C5, C6, R1, R2, R3, R4, R5, RL, R);
    return {g.Re, g.Im, Modulus(g), PhaseDeg(g)};
}

}  // namespace amp
