#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace amp::robustness {

// Collects what a property run found: the first few defects with the case that showed them, and
// how often each kind of outcome occurred, so that a run that never reached a branch shows up.
class DefectTally {
  public:
    void Record(const std::optional<std::string>& defect, const std::string& where);
    void Count(const std::string& outcome) { ++outcomes_[outcome]; }

    int Defects() const { return defects_; }
    int Occurrences(const std::string& outcome) const;
    // The first defects found and the outcome counts, one per line.
    std::string Report() const;

  private:
    static constexpr std::size_t kDefectsKept = 8;

    int defects_ = 0;
    std::vector<std::string> firstDefects_;
    std::map<std::string, int> outcomes_;
};

}  // namespace amp::robustness
