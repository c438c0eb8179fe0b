#pragma once

#include "core/complex.h"

namespace amp {

// Vo/Vi at one frequency: the complex value, its modulus as a plain ratio and its phase in degrees.
struct Response {
    double Re = 0.0;
    double Im = 0.0;
    double Modulus = 0.0;
    double PhaseDeg = 0.0;
};

// Section gains of the amplifier, all values in SI units.
Complex OpAmpGain(double f, double fc, double Avo);
Complex FollowerGain(double f, double fc, double Avo);
Complex InputNetwork(double f, double C1, double R1, double R, double C2, double R2);
Complex CouplingNetwork(double f, double C3, double R, double R3);
Complex FeedbackFactor(double f, double C5, double R5, double C4, double R4);
Complex NonInvertingGain(double f, double fc, double Avo, double C5, double R5, double C4,
                         double R4);
Complex OutputCoupling(double f, double C6, double RL);

// The cascade of the five sections as one complex ratio; validates nothing.
Complex TransferRatio(double f, double Avo, double fc, double C1, double C2, double C3, double C4,
                      double C5, double C6, double R1, double R2, double R3, double R4, double R5,
                      double RL, double R);

// The ratio with its modulus and phase; validates nothing.
Response TransferFunction(double f, double Avo, double fc, double C1, double C2, double C3,
                          double C4, double C5, double C6, double R1, double R2, double R3,
                          double R4, double R5, double RL, double R);

}  // namespace amp
