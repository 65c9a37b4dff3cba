// What the program tells the user after a step of its core, named by what it says; the
// window gives each message its text, caption and flags.
#pragma once

#include <cstdint>
#include <optional>

namespace core {

enum class MessageId {
    SystemError,  // the system's text for the error code taken at the failure
    NoImageLoaded,
    PathTooLong,
    PathHasLineBreak,
    ImageAdded,
    OldListFound,
    ListConverted,
    OldListNotDeleted,
    OldEntriesTooLong,
    EntryGone,
    MissingMinutes,
};

struct Message {
    MessageId id;
    std::uint32_t error = 0;  // SystemError's code
    std::uint32_t count = 0;  // how many entries OldEntriesTooLong left behind

    static Message System(std::uint32_t error) { return {MessageId::SystemError, error}; }
    bool operator==(const Message&) const = default;
};

// A value and, when something went wrong on the way to it, the message that says so.
template <typename T>
struct Outcome {
    T value;
    std::optional<Message> failure;
};

}  // namespace core
