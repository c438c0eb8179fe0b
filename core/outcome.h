#pragma once

#include <string>
#include <variant>

namespace amp {

// The one message an action shows when it ends without results.
struct Failure {
    std::string message;

    bool operator==(const Failure&) const = default;
};

// What an action returns: the message to show, or the texts to write.
template <class Result>
using Outcome = std::variant<Failure, Result>;

template <class Result>
bool Failed(const Outcome<Result>& outcome) {
    return std::holds_alternative<Failure>(outcome);
}

}  // namespace amp
