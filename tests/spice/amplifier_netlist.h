#pragma once

#include <string>

#include "core/model/circuit_values.h"

namespace amp::spice {

// The amplifier as an ngspice circuit, with both op-amps as ideal single-pole amplifiers of gain
// Avo and pole fc / Avo (ideal inputs and outputs otherwise). Its control block runs an AC
// analysis from 1 Hz to 1 MHz with 200 points per decade and writes the frequency and the real
// and imaginary parts of Vo (for Vi = 1) to dataFile, with 17 significant digits.
std::string AmplifierNetlist(const CircuitValues& values, const std::string& dataFile);

}  // namespace amp::spice
