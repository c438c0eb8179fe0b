#include "tests/spice/raw_file.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace amp::spice {
namespace {

// The file's bytes with a read position: header lines of text, then each plot's points as native
// doubles, variable after variable, two per value in a complex plot.
class RawReader {
  public:
    explicit RawReader(std::string bytes) : bytes_(std::move(bytes)) {}

    bool AtEnd() const { return at_ >= bytes_.size(); }

    std::string Line() {
        const std::size_t end = bytes_.find('\n', at_);
        if (end == std::string::npos) throw std::runtime_error("raw file: header without end");
        std::string line = bytes_.substr(at_, end - at_);
        at_ = end + 1;
        return line;
    }

    double Double() {
        double value = 0.0;
        if (bytes_.size() - at_ < sizeof value)
            throw std::runtime_error("raw file: data cut short");
        std::memcpy(&value, bytes_.data() + at_, sizeof value);
        at_ += sizeof value;
        return value;
    }

  private:
    std::string bytes_;
    std::size_t at_ = 0;
};

// Whether the line is "key: value"; if so, its value.
bool Field(const std::string& line, const std::string& key, std::string& value) {
    if (line.rfind(key + ":", 0) != 0) return false;
    const std::size_t start = line.find_first_not_of(" \t", key.size() + 1);
    value = start == std::string::npos ? "" : line.substr(start);
    return true;
}

RawPlot ReadPlot(RawReader& reader) {
    RawPlot plot;
    bool complex = false;
    std::size_t variableCount = 0;
    std::size_t pointCount = 0;
    for (std::string line = reader.Line(); line != "Binary:"; line = reader.Line()) {
        std::string value;
        if (Field(line, "Plotname", value)) plot.name = value;
        if (Field(line, "Flags", value)) complex = value.find("complex") != std::string::npos;
        if (Field(line, "No. Variables", value)) variableCount = std::stoul(value);
        if (Field(line, "No. Points", value)) pointCount = std::stoul(value);
        if (line == "Variables:") {
            for (std::size_t i = 0; i < variableCount; ++i) {
                std::istringstream fields(reader.Line());
                std::size_t index = 0;
                std::string name;
                fields >> index >> name;
                plot.variables.push_back(name);
            }
        }
        if (line == "Values:") throw std::runtime_error("raw file: ASCII, not binary");
    }
    plot.values.assign(plot.variables.size(), std::vector<Complex>(pointCount));
    for (std::size_t point = 0; point < pointCount; ++point) {
        for (std::vector<Complex>& variable : plot.values) {
            variable[point].Re = reader.Double();
            if (complex) variable[point].Im = reader.Double();
        }
    }
    return plot;
}

}  // namespace

const std::vector<Complex>* RawPlot::Find(const std::string& variable) const {
    for (std::size_t i = 0; i < variables.size(); ++i) {
        if (variables[i] == variable) return &values[i];
    }
    return nullptr;
}

const std::vector<Complex>& RawPlot::Values(const std::string& variable) const {
    if (const std::vector<Complex>* found = Find(variable)) return *found;
    throw std::runtime_error("raw file: no variable " + variable + " in " + name);
}

std::vector<RawPlot> ReadRawFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("raw file: cannot open " + file.string());
    RawReader reader(std::string(std::istreambuf_iterator<char>(in), {}));
    std::vector<RawPlot> plots;
    while (!reader.AtEnd()) plots.push_back(ReadPlot(reader));
    return plots;
}

const RawPlot& PlotNamed(const std::vector<RawPlot>& plots, const std::string& name) {
    for (const RawPlot& plot : plots) {
        if (plot.name == name) return plot;
    }
    throw std::runtime_error("raw file: no plot " + name);
}

}  // namespace amp::spice
