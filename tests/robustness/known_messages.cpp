#include "tests/robustness/known_messages.h"

#include <set>

#include "core/checks/field.h"
#include "core/checks/messages.h"

namespace amp::robustness {
namespace {

std::set<std::string, std::less<>> AllMessages() {
    std::set<std::string, std::less<>> messages{
        std::string(message::kRiNotBelowSeries),
        std::string(message::kNoRangeSelected),
        std::string(message::kAvoZero),
        std::string(message::kFcZero),
        std::string(message::kFZero),
        std::string(message::kFiZero),
        std::string(message::kFsZero),
        std::string(message::kRiZero),
        std::string(message::kR2Zero),
        std::string(message::kRZero),
        std::string(message::kR5Zero),
        std::string(message::kRLZero),
        std::string(message::kAvcbOne),
        std::string(message::kSizingImpossible),
        SampleCountRangeMessage(),
        std::string(message::kResponseUndefined),
    };
    for (int box = 1; box <= kFieldCount; ++box) {
        messages.emplace(MissingValueMessage(FieldOfTextBox(box)));
        messages.insert(BadValueMessage(FieldOfTextBox(box)));
    }
    return messages;
}

}  // namespace

bool IsKnownMessage(std::string_view text) {
    static const std::set<std::string, std::less<>> kMessages = AllMessages();
    return kMessages.contains(text);
}

std::string MessageKind(std::string_view message) {
    for (int box = 1; box <= kFieldCount; ++box) {
        const Field field = FieldOfTextBox(box);
        const std::string symbol(FieldSymbol(field));
        if (message == MissingValueMessage(field)) return "missing " + symbol;
        if (message == BadValueMessage(field)) return "malformed " + symbol;
    }
    return std::string(message);
}

}  // namespace amp::robustness
