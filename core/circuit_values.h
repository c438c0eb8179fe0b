#pragma once

#include <optional>
#include <string>

#include "core/field.h"
#include "core/outcome.h"
#include "core/transfer_function.h"

namespace amp {

// Typed units into SI units.
inline constexpr double kOhmPerKiloOhm = 1000.0;
inline constexpr double kFaradPerMicrofarad = 1E-6;
inline constexpr double kFaradPerPicofarad = 1E-12;
inline constexpr double kHertzPerMegahertz = 1000000.0;

// The component and op-amp values of the transfer function, in SI units.
struct CircuitValues {
    double R1 = 0.0, R2 = 0.0, R = 0.0, R3 = 0.0, R4 = 0.0, R5 = 0.0, RL = 0.0;
    double C1 = 0.0, C2 = 0.0, C3 = 0.0, C4 = 0.0, C5 = 0.0, C6 = 0.0;
    double Avo = 0.0;
    double fc = 0.0;
};

// Largest sample count: keeps 10980 x (N + 1) inside 32 bits for the plot.
inline constexpr int kMaxSampleCount = 195576;

// Reads and converts the component values and Avo and fc from checked texts.
CircuitValues ReadCircuitValues(const FieldTexts& texts);

// The zero tests of Avo and then fc, shared by the evaluation and the graph.
std::optional<std::string> CheckOpAmpValues(const CircuitValues& values);

// N rounded to the nearest integer (a half to the even neighbour), refused outside 1 ... 195576.
Outcome<int> ReadSampleCount(const std::string& text);

// TransferFunction with the values in its parameter order.
inline Response Evaluate(const CircuitValues& v, double f) {
    return TransferFunction(f, v.Avo, v.fc, v.C1, v.C2, v.C3, v.C4, v.C5, v.C6, v.R1, v.R2, v.R3,
                            v.R4, v.R5, v.RL, v.R);
}

// Sample i of n over the given decades: 10 ^ ((decades x i) / n), the product in integers.
double SweepFrequency(int decades, int i, int n);

}  // namespace amp
