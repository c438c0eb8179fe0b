#pragma once

#include <cstdlib>
#include <string_view>

namespace amp::test_support {

// Whether a test that needs a missing tool fails instead of skipping: in continuous integration
// (CI=true), where a skip would let a broken install step pass.
inline bool MissingToolFails() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string_view(ci) == "true";
}

}  // namespace amp::test_support
