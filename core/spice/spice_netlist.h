#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/checks/field.h"
#include "core/checks/outcome.h"
#include "core/model/circuit_values.h"
#include "core/noise/noise_settings.h"

namespace amp {

// What the netlist is written from: the design's values in SI units and, when the design has
// them, its noise settings (the op-amps' en and in, the supply, the temperature and the band).
// Without them the noise window's defaults (+-15 V, 25 °C, 20 Hz ... 20 kHz) with en and in zero.
struct SpiceDesign {
    std::string name;            // the design's name, any text
    std::string programVersion;  // "1.2.0"
    CircuitValues values;
    std::optional<NoiseSettings> noise;
};

// The suggested file of the export: "<design name>.cir".
inline constexpr std::string_view kSpiceNetlistSuffix = "cir";

// The design as an ngspice netlist, plain ASCII with LF line ends, that `ngspice -b` runs as it
// is: a title line and comments (the program and version, the design's name escaped to ASCII,
// how to run it, what the op-amp model is); every part named as in the schematic on the nodes
// Vi - C1 - a; R1 a-0; R2 a-b; C2 b-0; R_in b-0; U1 (+ b, - vo1, out vo1); C3 vo1-c; R3 c-d;
// R_cpl d-0; U2 (+ d, - m, out o2); R4 and C4 o2-m; R5 m-e; C5 e-0; C6 o2-out; RL out-0; the
// source Vi with ac 1; the op-amp as one five-pin .subckt (+, -, V+, V-, out) with parameters
// Avo, fc, en and in, single-pole with noiseless internal resistors, en as a resistor of
// en^2/4kT in series with the + input and in as the noise current of a resistor of 4kT/in^2
// copied into each input; the supplies as two sources of +-supply; an AC analysis from 1 Hz to
// 1 MHz at 200 points per decade and a noise analysis at v(out) from Vi over the band, and a
// .control block that, run interactively, plots |Vo/Vi| and its phase in degrees over a
// logarithmic frequency axis.
std::string SpiceNetlist(const SpiceDesign& design);

// "Esporta netlist SPICE...": the evaluation's 17 field checks on Form1's texts and its zero tests
// of Avo and fc, then the noise window's checks when the design has noise settings; the netlist,
// or the first failure. A value that overflows in SI units gives the message of an undefined
// response.
Outcome<std::string> ExportSpiceNetlist(const FieldTexts& texts,
                                        const std::optional<NoiseTexts>& noise,
                                        std::string_view designName,
                                        std::string_view programVersion);

}  // namespace amp
