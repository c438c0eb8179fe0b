#include "tests/robustness/defect_tally.h"

namespace amp::robustness {

void DefectTally::Record(const std::optional<std::string>& defect, const std::string& where) {
    if (!defect) return;
    ++defects_;
    if (firstDefects_.size() < kDefectsKept) firstDefects_.push_back(*defect + " (" + where + ")");
}

int DefectTally::Occurrences(const std::string& outcome) const {
    const auto found = outcomes_.find(outcome);
    return found == outcomes_.end() ? 0 : found->second;
}

std::string DefectTally::Report() const {
    std::string report = std::to_string(defects_) + " defects\n";
    for (const std::string& defect : firstDefects_) report += "  " + defect + "\n";
    for (const auto& [outcome, count] : outcomes_) {
        report += "  " + std::to_string(count) + " x " + outcome + "\n";
    }
    return report;
}

}  // namespace amp::robustness
