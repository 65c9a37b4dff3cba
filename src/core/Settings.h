// The schedule kept between runs: one key per value, each holding a text.
#pragma once

#include "core/Message.h"
#include "core/Schedule.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Texts by key path ("Software\Shareware\Kaleidra\3.0\pick"); the registry on Windows.
class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;

    // The text under the key path, up to its first zero, when it fits with a terminating
    // zero in capacity bytes; nothing otherwise.
    virtual std::optional<std::string> Read(const std::string& keyPath, std::size_t capacity) const = 0;
    // A write the store refuses is not reported.
    virtual void Write(const std::string& keyPath, const std::string& text) = 0;
};

class Settings {
public:
    explicit Settings(KeyValueStore& store) : m_store(store) {}

    // Reads freq, mins, pick, lastindex and day into the schedule; a missing value takes
    // its default. Only mins missing beside a stored freq is reported.
    std::optional<Message> Load(Schedule& schedule) const;
    // Marks the store as this version's; every start-up does, once the values are read.
    void MarkVersion();

    // Pick, freq and mins, then the last index and today as the day.
    void Save(const Schedule& schedule, std::string_view today);
    void SaveLastIndex(int index);
    void SaveDay(std::string_view today);
    // Records that the start-up shortcut was made; nothing reads it.
    void SaveAutoLaunch();

private:
    std::optional<std::string> Read(std::string_view name) const;
    void Write(std::string_view name, const std::string& text);

    KeyValueStore& m_store;
};

}  // namespace core
