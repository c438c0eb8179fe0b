#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/model/circuit_values.h"
#include "core/model/complex.h"

namespace amp::spice {

// One point of an AC analysis: the frequency the simulator used and Vo there (Vi = 1).
struct AcPoint {
    double f = 0.0;
    Complex vo;
};

// A directory of its own for the simulator's files, under the working directory (the build tree
// when run by ctest), removed with everything in it on destruction.
class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& prefix);
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Runs ngspice in batch mode on the amplifier with these values, its files in the directory, and
// returns the points of its AC analysis. Throws with the simulator's log when it fails.
std::vector<AcPoint> SimulateAmplifier(const std::string& ngspice, const CircuitValues& values,
                                       const std::filesystem::path& directory,
                                       const std::string& name);

}  // namespace amp::spice
