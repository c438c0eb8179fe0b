#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/spice/raw_file.h"

namespace amp::spice {

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

// Writes the netlist as <name>.cir in the directory, runs it as it is with `ngspice -b`, its
// results going to the raw file <name>.raw, and returns that file's plots. Throws with the
// simulator's log when it fails or writes an error or a warning.
std::vector<RawPlot> RunNgspice(const std::string& ngspice, const std::string& netlist,
                                const std::filesystem::path& directory, const std::string& name);

}  // namespace amp::spice
