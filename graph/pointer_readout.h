#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amp {

// What the side panel of a graph window reads out: chosen by its two option buttons.
enum class ReadoutMode { Modulus, Phase };

// The two readout texts of a mode: the frequency and the modulus or the phase.
struct ReadoutTexts {
    std::string frequency;
    std::string value;

    bool operator==(const ReadoutTexts&) const = default;
};

// The texts for a pointer position in plot-area twips, with the given decimal separator: the
// frequency and the modulus or phase it stands for on the axes; positions outside the axes give
// values outside the scales, as computed. The modulus scale tops out at gmax, the Gmax of the
// plot shown; without a plot the modulus text stays empty.
ReadoutTexts PointerReadout(ReadoutMode mode, int decadeCount, std::optional<double> gmax, double x,
                            double y, std::string_view decimalSeparator);

}  // namespace amp
