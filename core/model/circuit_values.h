#pragma once

#include <optional>
#include <string>

#include "core/checks/field.h"
#include "core/checks/outcome.h"

namespace amp {

// The component and op-amp values of the transfer function, in SI units. T is double, or for
// CircuitModel a vector of doubles with the same value in every lane.
template <class T>
struct CircuitValuesOf {
    T R1{}, R2{}, R{}, R3{}, R4{}, R5{}, RL{};
    T C1{}, C2{}, C3{}, C4{}, C5{}, C6{};
    T Avo{};
    T fc{};
};

using CircuitValues = CircuitValuesOf<double>;

// Largest sample count: keeps 10980 x (N + 1), formed in 32 bits by the plot, within range.
inline constexpr int kMaxSampleCount = 195576;

// The number of a checked field in SI units: what every calculation reads from a box.
double ReadSiValue(const FieldTexts& texts, Field field);

// Reads and converts the component values and Avo and fc from checked texts.
CircuitValues ReadCircuitValues(const FieldTexts& texts);

// The zero tests of Avo and then fc, shared by the evaluation and the graph.
std::optional<Failure> CheckOpAmpValues(const CircuitValues& values);

// N rounded to the nearest integer (a half to the even neighbour), refused outside
// 1 ... kMaxSampleCount.
Outcome<int> ReadSampleCount(const std::string& text);

// Sample i of n over the given decades: 10 ^ ((decades x i) / n), the product in integers.
double SweepFrequency(int decades, int i, int n);

}  // namespace amp
