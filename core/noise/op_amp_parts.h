#pragma once

#include <array>
#include <string_view>

namespace amp {

// An op-amp one can buy, with the typical figures of its maker's datasheet at +-15 V and 25 °C,
// in the units the datasheets give them.
struct OpAmpPart {
    std::string_view name;
    double Avo;            // open-loop gain, a ratio
    double gbwMegahertz;   // gain-bandwidth product: the program's fc
    double slewRate;       // V/us
    double en;             // voltage noise at 1 kHz, nV/sqrt(Hz)
    double in;             // current noise at 1 kHz, pA/sqrt(Hz); 0 where the maker gives none
    double outputMargin;   // V: how close to each rail the output swings into 2 ... 10 kohm
    double largestSupply;  // +-V
};

inline constexpr std::array<OpAmpPart, 8> kOpAmpParts{{
    {"TL072", 200000, 3, 13, 18, 0.01, 1.5, 18},
    {"NE5532", 100000, 10, 9, 5, 0.7, 2, 22},
    {"LM358", 100000, 0.7, 0.3, 40, 0, 1.5, 16},
    {"OPA2134", 1000000, 8, 20, 8, 0.003, 1, 18},
    {"LM833", 316000, 15, 7, 4.5, 0.7, 1.5, 18},
    {"OP27", 1800000, 8, 2.8, 3, 0.4, 1.5, 22},
    {"LM4562", 10000000, 55, 20, 2.7, 1.6, 1.4, 17},
    {"OPA1612", 3160000, 40, 27, 1.1, 1.7, 0.6, 18},
}};

// The choice of the list that leaves en, in, SR and the margin to the user.
inline constexpr std::string_view kCustomOpAmpName = "Personalizzato";

// The part of that name, or null (for kCustomOpAmpName or an unknown name).
const OpAmpPart* FindOpAmpPart(std::string_view name);

}  // namespace amp
