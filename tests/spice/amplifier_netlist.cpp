#include "tests/spice/amplifier_netlist.h"

#include <cstdio>
#include <numbers>

namespace amp::spice {
namespace {

// Round-trip precision, so that the simulator sees the values the model is evaluated with.
std::string Value(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// A transconductance of 1 S into Avo ohm gives the gain Avo; the capacitor puts the pole where
// 2 pi f Avo C = f Avo / fc, that is at fc / Avo. The VCVS buffers the pole node, so the output
// is ideal.
std::string OpAmp(const std::string& name, const std::string& plus, const std::string& minus,
                  const std::string& output, const CircuitValues& v) {
    const std::string pole = "p" + name;
    const double capacitance = 1.0 / (2.0 * std::numbers::pi * v.fc);
    std::string text = "G" + name + " 0 " + pole + " " + plus + " " + minus + " 1\n";
    text += "RP" + name + " " + pole + " 0 " + Value(v.Avo) + "\n";
    text += "CP" + name + " " + pole + " 0 " + Value(capacitance) + "\n";
    text += "E" + name + " " + output + " 0 " + pole + " 0 1\n";
    return text;
}

}  // namespace

std::string AmplifierNetlist(const CircuitValues& v, const std::string& dataFile) {
    std::string netlist = "* two-stage op-amp audio amplifier\n";
    netlist += "VI in 0 DC 0 AC 1\n";
    // Input network: C1 in series, R1 to ground, R2 to the follower's input, C2 and R to ground.
    netlist += "C1 in a " + Value(v.C1) + "\n";
    netlist += "R1 a 0 " + Value(v.R1) + "\n";
    netlist += "R2 a b " + Value(v.R2) + "\n";
    netlist += "C2 b 0 " + Value(v.C2) + "\n";
    netlist += "RIN b 0 " + Value(v.R) + "\n";
    netlist += OpAmp("1", "b", "vo1", "vo1", v);
    // Coupling network: C3 and R3 in series into the second R to ground.
    netlist += "C3 vo1 c " + Value(v.C3) + "\n";
    netlist += "R3 c d " + Value(v.R3) + "\n";
    netlist += "RCP d 0 " + Value(v.R) + "\n";
    // Non-inverting stage: R4 || C4 from the output to the inverting input, R5 + C5 to ground.
    netlist += OpAmp("2", "d", "m", "vo2", v);
    netlist += "R4 vo2 m " + Value(v.R4) + "\n";
    netlist += "C4 vo2 m " + Value(v.C4) + "\n";
    netlist += "R5 m e " + Value(v.R5) + "\n";
    netlist += "C5 e 0 " + Value(v.C5) + "\n";
    // Output: C6 into the load.
    netlist += "C6 vo2 vo " + Value(v.C6) + "\n";
    netlist += "RL vo 0 " + Value(v.RL) + "\n";
    netlist += ".control\n";
    netlist += "set numdgt=16\n";
    netlist += "ac dec 200 1 1meg\n";
    netlist += "wrdata " + dataFile + " v(vo)\n";
    // Without it batch mode ends with status 1 even after a good run.
    netlist += "quit\n";
    netlist += ".endc\n";
    netlist += ".end\n";
    return netlist;
}

}  // namespace amp::spice
