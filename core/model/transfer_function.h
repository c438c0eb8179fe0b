#pragma once

#include "core/model/circuit_values.h"
#include "core/model/complex.h"

namespace amp {

// Vo/Vi at one frequency: the complex value, its modulus as a plain ratio and its phase in degrees.
struct Response {
    double Re = 0.0;
    double Im = 0.0;
    double Modulus = 0.0;
    double PhaseDeg = 0.0;
};

// Vo/Vi at the frequency f with its modulus and phase, from CircuitModel; validates nothing.
Response TransferFunction(const CircuitValues& values, double f);

// The same with the values as single arguments, in the model's classic order: f, Avo, fc,
// C1 ... C6, R1 ... R5, RL, R.
Response TransferFunction(double f, double Avo, double fc, double C1, double C2, double C3,
                          double C4, double C5, double C6, double R1, double R2, double R3,
                          double R4, double R5, double RL, double R);

}  // namespace amp
