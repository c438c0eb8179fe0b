#include "tests/spice/ngspice_ac.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "tests/spice/amplifier_netlist.h"

namespace amp::spice {
namespace {

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "wrdata" writes one line per point: frequency, real part, imaginary part.
std::vector<AcPoint> ReadAcData(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<AcPoint> points;
    AcPoint point;
    while (in >> point.f >> point.vo.Re >> point.vo.Im) points.push_back(point);
    return points;
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

std::vector<AcPoint> SimulateAmplifier(const std::string& ngspice, const CircuitValues& values,
                                       const std::filesystem::path& directory,
                                       const std::string& name) {
    const std::filesystem::path dataFile = directory / (name + ".data");
    const std::filesystem::path netlist = directory / (name + ".cir");
    const std::filesystem::path log = directory / (name + ".log");
    std::ofstream(netlist) << AmplifierNetlist(values, dataFile.string());

    // Quoted this way the command reads the same to a POSIX shell and to cmd.exe.
    const std::string command =
        "\"" + ngspice + "\" -b \"" + netlist.string() + "\" > \"" + log.string() + "\" 2>&1";
    const int status = std::system(command.c_str());
    std::vector<AcPoint> points = ReadAcData(dataFile);
    if (status != 0 || points.empty()) {
        throw std::runtime_error("ngspice failed on " + name + " (status " +
                                 std::to_string(status) + "):\n" + FileText(log));
    }
    return points;
}

}  // namespace amp::spice
