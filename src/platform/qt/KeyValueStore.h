// The registry of the Linux desktop: one file of key paths and their texts, read at
// every query (another copy of the program may have written it) and replaced whole,
// atomically, at every write. A write changes only its key's value line: a person's
// comments and every line the store does not understand stay as they were. Key paths
// compare without regard to case, as on Windows.
//
// The file reads like a registry export, one section a key:
//   [HKEY_LOCAL_MACHINE\Software\Shareware\Kaleidra\3.0\ver]
//   @="3.0"
// with \\, \", \n and \r escaped in the text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class KeyValueStore {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;

    explicit KeyValueStore(std::filesystem::path file) : m_file(std::move(file)) {}

    // $XDG_CONFIG_HOME/kaleidra/settings.reg, by default under ~/.config.
    static KeyValueStore ForUser();

    // Nothing when the key is missing or the file can't be read.
    std::optional<std::string> Get(std::string_view key) const;
    // Creates the folder when missing; false with errno set when the file can't be written,
    // or can't be read (it is then left alone, so no other setting is lost).
    bool Set(std::string_view key, std::string_view text) const;

    const std::filesystem::path& File() const { return m_file; }

    static Entries Parse(std::string_view contents);
    // The contents with the key's text changed, or its section added at the end.
    static std::string WithValue(std::string_view contents, std::string_view key, std::string_view text);

private:
    // The file's contents: empty when there is none; nothing, with errno set, when it
    // can't be read.
    std::optional<std::string> Read() const;

    std::filesystem::path m_file;
};
