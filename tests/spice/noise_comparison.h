#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/model/circuit_values.h"
#include "core/noise/noise_settings.h"
#include "tests/spice/raw_file.h"

namespace amp::spice {

// The worst disagreement between the program's noise figures and ngspice's .noise analysis over
// some runs: the output noise density at every sample the simulator took, its total over the
// band, and, to tell which source is at fault, each source's share of the density.
struct NoiseAgreement {
    std::size_t samples = 0;
    double densityError = 0.0;  // relative
    double densityErrorAt = 0.0;
    double totalError = 0.0;  // relative
    std::string totalErrorIn;
    // A source's density squared, off by this part of the whole density squared.
    double sourceError = 0.0;
    std::string sourceErrorOf;
    double sourceErrorAt = 0.0;

    void Merge(const NoiseAgreement& other);
};

// Compares the plots of a run of the program's netlist with the program's analysis of the same
// design, naming the run in the figures. A device that the program has no source for counts as a
// source whose share must be zero; a source missing from the plots throws.
NoiseAgreement CompareNoise(const CircuitValues& values, const NoiseSettings& settings,
                            const std::vector<RawPlot>& plots, const std::string& run);

std::string Describe(const std::string& what, const NoiseAgreement& agreement);

}  // namespace amp::spice
