#include "platform/qt/KeyValueStore.h"

#include "platform/emulated/NoCase.h"
#include "platform/qt/AtomicFile.h"
#include "platform/qt/XdgPaths.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view HEADER = "; Kaleidra's settings: each key's path in brackets, its text on the line after.\n";
constexpr std::string_view VALUE_START = "@=\"";

std::string Escape(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '"': escaped += "\\\""; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string Unescape(std::string_view text) {
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
        plain += c;
    }
    return plain;
}

auto FindKey(KeyValueStore::Entries& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(), [key](const auto& e) { return EqualsNoCase(e.first, key); });
}

}  // namespace

KeyValueStore KeyValueStore::ForUser() {
    return KeyValueStore(xdg::ConfigHome() / "kaleidra" / "settings.reg");
}

std::string KeyValueStore::Format(const Entries& entries) {
    std::string contents(HEADER);
    for (const auto& [key, text] : entries) {
        contents.append("\n[").append(key).append("]\n");
        contents.append(VALUE_START).append(Escape(text)).append("\"\n");
    }
    return contents;
}

// Lines that are neither a key nor a value of the key before them are skipped, so a
// person's comments and blank lines do no harm.
KeyValueStore::Entries KeyValueStore::Parse(std::string_view contents) {
    Entries entries;
    std::optional<std::string> key;
    std::istringstream lines{std::string(contents)};
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = line.substr(1, line.size() - 2);
        } else if (key && line.size() > VALUE_START.size() && line.starts_with(VALUE_START) && line.back() == '"') {
            std::string text = Unescape(std::string_view(line).substr(VALUE_START.size(), line.size() - 4));
            if (auto found = FindKey(entries, *key); found != entries.end()) {
                found->second = std::move(text);
            } else {
                entries.emplace_back(std::move(*key), std::move(text));
            }
            key.reset();
        }
    }
    return entries;
}

KeyValueStore::Entries KeyValueStore::Read() const {
    std::ifstream file(m_file, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return Parse(contents.str());
}

std::optional<std::string> KeyValueStore::Get(std::string_view key) const {
    Entries entries = Read();
    auto found = FindKey(entries, key);
    return found != entries.end() ? std::optional(found->second) : std::nullopt;
}

bool KeyValueStore::Set(std::string_view key, std::string_view text) const {
    Entries entries = Read();
    if (auto found = FindKey(entries, key); found != entries.end()) {
        found->second = text;
    } else {
        entries.emplace_back(key, text);
    }
    return WriteFileAtomically(m_file, Format(entries));
}

