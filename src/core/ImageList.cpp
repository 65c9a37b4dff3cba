#include "core/ImageList.h"

#include "core/ListFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <unordered_set>

namespace core {
namespace {

// Where the previous version of the program kept its list.
constexpr std::string_view OLD_LIST_PATH = "C:\\Kaleidra\\Kaleidra.LST";

std::optional<std::vector<std::string>> ReadLines(const std::string& path, size_t maxChars) {
    ListFileReader reader(path);
    if (!reader.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line, maxChars);) {
        StripLineBreak(line);
        lines.push_back(line);
    }
    return lines;
}

bool IsMissingOrEmpty(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0;
}

// Why a path can't be stored as one line of the list, or nothing when it can.
std::optional<MessageId> WhyListCantHold(const std::string& path) {
    if (path.size() > LIST_ENTRY_CHARS) {
        return MessageId::PathTooLong;
    }
    if (path.find_first_of("\r\n") != std::string::npos) {
        return MessageId::PathHasLineBreak;
    }
    return std::nullopt;
}

}  // namespace

void ImageList::Locate(const std::string& folder) {
    m_path = folder + static_cast<char>(std::filesystem::path::preferred_separator) + std::string(LIST_FILE_NAME);
    m_oldPath = m_system.NativePath(OLD_LIST_PATH);
}

void ImageList::CreateIfMissing() const {
    if (!m_system.Exists(m_path)) {
        if (std::FILE* list = std::fopen(m_path.c_str(), "w+")) {
            std::fclose(list);
        }
    }
}

Outcome<int> ImageList::Count() const {
    ListFileReader reader(m_path);
    if (!reader.IsOpen()) {
        return {0, SystemFailure()};
    }
    int count = 0;
    for (std::string line; reader.ReadLine(line);) {
        ++count;
    }
    return {count, std::nullopt};
}

Outcome<std::optional<std::string>> ImageList::Entry(int i, int count) const {
    if (i > count) {
        i = 1;
    }
    ListFileReader reader(m_path);
    if (!reader.IsOpen()) {
        return {std::nullopt, SystemFailure()};
    }
    // The count is compared after each read, so an index below 1 is never reached.
    std::optional<std::string> entry;
    std::string line;
    for (int read = 1; reader.ReadLine(line); ++read) {
        entry = line;
        if (read == i) {
            break;
        }
    }
    if (entry) {
        StripLineBreak(*entry);
    }
    return {entry, std::nullopt};
}

std::vector<std::string> ImageList::Lines() const {
    return ReadLines(m_path, LIST_LINE_CHARS).value_or(std::vector<std::string>{});
}

Message ImageList::Append(const std::string& path) {
    if (path.empty()) {
        return {MessageId::NoImageLoaded};
    }
    if (auto refusal = WhyListCantHold(path)) {
        return {*refusal};
    }
    ListFileAppender list(m_path);
    if (!list.IsOpen() || !list.Append(path) || !list.Close()) {
        return SystemFailure();
    }
    return {MessageId::ImageAdded};
}

std::optional<Message> ImageList::Rewrite(const std::vector<std::string>& entries) {
    ListFileRewriter list(m_system, m_path);
    if (!list.IsOpen()) {
        return SystemFailure();
    }
    bool written = std::ranges::all_of(entries, [&](const std::string& entry) { return list.Write(entry); });
    if (!written || !list.Commit()) {
        return Message::System(list.Error());
    }
    return std::nullopt;
}

void ImageList::MigrateOldList(const std::function<void(const Message&)>& show) {
    if (!m_system.Exists(m_oldPath)) {
        return;
    }
    show({MessageId::OldListFound});
    bool converted = IsMissingOrEmpty(m_path) ? m_system.CopyOver(m_oldPath, m_path) : MergeOldEntries();
    if (!converted) {
        show(SystemFailure());
        return;
    }
    show({MessageId::ListConverted});
    if (!m_system.Remove(m_oldPath)) {
        show({MessageId::OldListNotDeleted});
    }
}

// Entries are taken whole, however long, so that none is split on its way over.
bool ImageList::MergeOldEntries() {
    auto oldEntries = ReadLines(m_oldPath, std::string::npos);
    auto current = ReadLines(m_path, std::string::npos);
    if (!oldEntries || !current) {
        return false;
    }
    std::unordered_set<std::string> held(current->begin(), current->end());
    ListFileAppender list(m_path);
    if (!list.IsOpen()) {
        return false;
    }
    for (const std::string& entry : *oldEntries) {
        if (!entry.empty() && held.insert(entry).second && !list.Append(entry)) {
            return false;
        }
    }
    return list.Close();
}

}  // namespace core
