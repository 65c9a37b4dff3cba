#include "platform/qt/KeyValueStore.h"

#include "files/RegularFile.h"
#include "platform/emulated/NoCase.h"
#include "platform/qt/AtomicFile.h"
#include "platform/qt/XdgPaths.h"

#include <algorithm>
#include <cerrno>
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

// [path]: the key's path.
std::optional<std::string_view> KeyOf(std::string_view line) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        return line.substr(1, line.size() - 2);
    }
    return std::nullopt;
}

// @="text": its text, still escaped.
std::optional<std::string_view> ValueOf(std::string_view line) {
    if (line.size() > VALUE_START.size() && line.starts_with(VALUE_START) && line.back() == '"') {
        return line.substr(VALUE_START.size(), line.size() - VALUE_START.size() - 1);
    }
    return std::nullopt;
}

auto FindKey(KeyValueStore::Entries& entries, std::string_view key) {
    return std::find_if(entries.begin(), entries.end(), [key](const auto& e) { return EqualsNoCase(e.first, key); });
}

}  // namespace

KeyValueStore KeyValueStore::ForUser() {
    return KeyValueStore(xdg::ConfigHome() / "kaleidra" / "settings.reg");
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
        if (std::optional<std::string_view> path = KeyOf(line)) {
            key = std::string(*path);
        } else if (std::optional<std::string_view> value = ValueOf(line); key && value) {
            std::string text = Unescape(*value);
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

std::string KeyValueStore::WithValue(std::string_view contents, std::string_view key, std::string_view text) {
    const std::string value = std::string(VALUE_START).append(Escape(text)).append("\"");
    std::string edited;
    bool inKey = false;
    bool found = false;
    for (std::string_view rest = contents; !rest.empty();) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        std::string_view bare = line.substr(0, line.find_last_not_of("\r\n") + 1);
        if (std::optional<std::string_view> path = KeyOf(bare)) {
            inKey = EqualsNoCase(*path, key);
        } else if (inKey && ValueOf(bare)) {
            edited.append(value).append(line.substr(bare.size()));
            inKey = false;
            found = true;
            continue;
        }
        edited.append(line);
    }
    if (!found) {
        if (edited.empty()) {
            edited = HEADER;
        } else if (edited.back() != '\n') {
            edited += '\n';
        }
        edited.append("\n[").append(key).append("]\n").append(value).append("\n");
    }
    return edited;
}

std::optional<std::string> KeyValueStore::Read() const {
    std::optional<std::string> contents = files::ReadRegular(m_file.string());
    return contents || errno != ENOENT ? contents : std::optional<std::string>("");
}

std::optional<std::string> KeyValueStore::Get(std::string_view key) const {
    std::optional<std::string> contents = Read();
    if (!contents) {
        return std::nullopt;
    }
    Entries entries = Parse(*contents);
    auto found = FindKey(entries, key);
    return found != entries.end() ? std::optional(found->second) : std::nullopt;
}

bool KeyValueStore::Set(std::string_view key, std::string_view text) const {
    std::optional<std::string> contents = Read();
    return contents && WriteFileAtomically(m_file, WithValue(*contents, key, text));
}
