#include "tests/spice/ngspice_run.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace amp::spice {
namespace {

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Whether the simulator complained: a netlist that runs as it is runs without a word of either.
bool HasComplaint(std::string log) {
    std::ranges::transform(log, log.begin(), [](unsigned char c) { return std::tolower(c); });
    return log.find("error") != std::string::npos || log.find("warning") != std::string::npos;
}

}  // namespace

ScratchDirectory::ScratchDirectory(const std::string& prefix)
    : path_(std::filesystem::current_path() /
            (prefix + "-" + std::to_string(std::random_device{}()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directory(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<RawPlot> RunNgspice(const std::string& ngspice, const std::string& netlist,
                                const std::filesystem::path& directory, const std::string& name) {
    const std::filesystem::path circuit = directory / (name + ".cir");
    const std::filesystem::path raw = directory / (name + ".raw");
    const std::filesystem::path log = directory / (name + ".log");
    std::ofstream(circuit, std::ios::binary) << netlist;

    // Quoted this way the command reads the same to a POSIX shell and to cmd.exe.
    const std::string command = "\"" + ngspice + "\" -b -r \"" + raw.string() + "\" \"" +
                                circuit.string() + "\" > \"" + log.string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    if (status != 0 || !std::filesystem::exists(raw) || HasComplaint(FileText(log))) {
        throw std::runtime_error("ngspice failed or complained on " + name + " (status " +
                                 std::to_string(status) + "):\n" + FileText(log));
    }
    return ReadRawFile(raw);
}

}  // namespace amp::spice
