#pragma once

#include <optional>
#include <string>
#include <variant>

namespace amp {

// The one message a check or an action shows when it ends without results.
struct Failure {
    std::string message;

    bool operator==(const Failure&) const = default;
};

// What an action returns: the message to show, or its results. A check returns
// std::optional<Failure>: the message, or nothing when it passed.
template <class Result>
using Outcome = std::variant<Failure, Result>;

// The failure of a check or of an action; null when it passed. The result must outlive the
// pointer, so a temporary one is refused.
inline const Failure* FailureOf(const std::optional<Failure>& check) {
    return check ? &*check : nullptr;
}

template <class Result>
const Failure* FailureOf(const Outcome<Result>& outcome) {
    return std::get_if<Failure>(&outcome);
}

const Failure* FailureOf(const std::optional<Failure>&&) = delete;
template <class Result>
const Failure* FailureOf(const Outcome<Result>&&) = delete;

template <class Result>
bool Failed(const Outcome<Result>& outcome) {
    return FailureOf(outcome) != nullptr;
}

}  // namespace amp
