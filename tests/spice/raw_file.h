#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/complex.h"

namespace amp::spice {

// One analysis of an ngspice binary raw file: its name ("AC Analysis", "Noise Spectral Density
// Curves", "Integrated Noise") and, for each variable, its values at every point, exactly as the
// simulator computed them. A real plot's values have no imaginary part.
struct RawPlot {
    std::string name;
    std::vector<std::string> variables;
    std::vector<std::vector<Complex>> values;  // [variable][point]

    // The values of the variable of that name, or null when the plot has none.
    const std::vector<Complex>* Find(const std::string& variable) const;
    // The same, but throws when the plot has none.
    const std::vector<Complex>& Values(const std::string& variable) const;
};

// Every plot of the file, in its order. Throws when the file is missing or malformed.
std::vector<RawPlot> ReadRawFile(const std::filesystem::path& file);

// The plot of that name; throws when there is none.
const RawPlot& PlotNamed(const std::vector<RawPlot>& plots, const std::string& name);

}  // namespace amp::spice
