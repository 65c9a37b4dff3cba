// The registry of the Linux desktop: one file of key paths and their texts, read at
// every query (another copy of the program may have written it) and replaced whole,
// atomically, at every write. Key paths compare without regard to case, as on Windows.
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

    std::optional<std::string> Get(std::string_view key) const;
    // Creates the folder when missing; false with errno set when the file can't be written.
    bool Set(std::string_view key, std::string_view text) const;

    const std::filesystem::path& File() const { return m_file; }

    static std::string Format(const Entries& entries);
    static Entries Parse(std::string_view contents);

private:
    Entries Read() const;

    std::filesystem::path m_file;
};
