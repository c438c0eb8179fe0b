#pragma once

#include <string>
#include <string_view>

namespace amp {

// What the side panel of a graph window reads out: chosen by its two option buttons.
enum class ReadoutMode { Modulus, Phase };

// The values that a pointer position in plot-area twips stands for on the axes. Positions
// outside the axes give values outside the scales, as computed.
double PointerFrequency(int decadeCount, double x);
double PointerModulus(double gmax, double y);
double PointerPhase(double y);

// The two readout texts of a mode: the frequency and the modulus or the phase.
struct ReadoutTexts {
    std::string frequency;
    std::string value;

    bool operator==(const ReadoutTexts&) const = default;
};

// Gmax is read back from the caption of Label1, which carries the given decimal separator; a
// caption that is no number leaves the modulus text empty.
ReadoutTexts PointerReadout(ReadoutMode mode, int decadeCount, std::string_view label1Caption,
                            double x, double y, std::string_view decimalSeparator);

}  // namespace amp
