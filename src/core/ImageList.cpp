#include "core/ImageList.h"

#include "core/ListFile.h"

#include "files/RegularFile.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace core {
namespace {

// Where the previous version of the program kept its list.
constexpr std::string_view OLD_LIST_PATH = "C:\\Kaleidra\\Kaleidra.LST";

#ifdef _WIN32
constexpr char PATH_SEPARATOR = '\\';
#else
constexpr char PATH_SEPARATOR = '/';
#endif

// Every line whole, however long, so that none is split on its way to a rewrite.
std::optional<std::vector<std::string>> ReadLines(const FileSystem& system, const std::string& path) {
    ListFileReader reader(path);
    if (!reader.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (std::string line; reader.ReadLine(line, std::string::npos);) {
        StripLineBreak(line);
        lines.push_back(system.ListLineText(std::move(line)));
    }
    return lines;
}

bool IsMissingOrEmpty(const std::string& path) {
    return files::SizeOf(path).value_or(0) == 0;
}

bool FitsALine(const std::string& entry) {
    return entry.size() <= LIST_ENTRY_CHARS;
}

// Why a path can't be stored as one line of the list, or nothing when it can.
std::optional<MessageId> WhyListCantHold(const std::string& path) {
    if (!FitsALine(path)) {
        return MessageId::PathTooLong;
    }
    if (path.find_first_of("\r\n") != std::string::npos) {
        return MessageId::PathHasLineBreak;
    }
    return std::nullopt;
}

}  // namespace

void ImageList::Locate(const std::string& folder) {
    m_path = folder + PATH_SEPARATOR + std::string(LIST_FILE_NAME);
    m_oldPath = m_system.NativePath(OLD_LIST_PATH);
}

void ImageList::CreateIfMissing() const {
    files::OpenRegular(m_path, files::Access::Append);
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
        entry = m_system.ListLineText(std::move(*entry));
    }
    return {entry, std::nullopt};
}

std::vector<std::string> ImageList::Lines() const {
    return ReadLines(m_system, m_path).value_or(std::vector<std::string>{});
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

std::optional<Message> ImageList::Remove(const std::string& entry, int occurrence) {
    auto lines = ReadLines(m_system, m_path);
    if (!lines) {
        return SystemFailure();
    }
    auto found =
        std::ranges::find_if(*lines, [&](const std::string& line) { return line == entry && occurrence-- == 0; });
    if (found == lines->end()) {
        return Message{MessageId::EntryGone};
    }
    lines->erase(found);
    return Rewrite(*lines);
}

std::optional<Message> ImageList::Rewrite(const std::vector<std::string>& lines) {
    ListFileRewriter list(m_system, m_path);
    bool written =
        list.IsOpen() && std::ranges::all_of(lines, [&](const std::string& line) { return list.Write(line); });
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
    auto oldEntries = ReadLines(m_system, m_oldPath);
    if (!oldEntries) {
        show(SystemFailure());
        return;
    }
    auto tooLong = std::ranges::count_if(*oldEntries, [](const std::string& entry) { return !FitsALine(entry); });
    const bool listEmpty = IsMissingOrEmpty(m_path);
    bool copy = tooLong == 0 && listEmpty;
    if (!(copy ? m_system.CopyOver(m_oldPath, m_path) : MergeOldEntries(*oldEntries, listEmpty))) {
        show(SystemFailure());
        return;
    }
    show({MessageId::ListConverted});
    // An entry too long for a line of the list would read as several; it stays where it is.
    if (tooLong > 0) {
        show({MessageId::OldEntriesTooLong, 0, static_cast<std::uint32_t>(tooLong)});
    } else if (!m_system.Remove(m_oldPath)) {
        show({MessageId::OldListNotDeleted});
    }
}

bool ImageList::MergeOldEntries(const std::vector<std::string>& oldEntries, bool listEmpty) {
    // A missing list is made by the first append.
    auto current = listEmpty ? std::vector<std::string>{} : ReadLines(m_system, m_path);
    if (!current) {
        return false;
    }
    std::unordered_set<std::string> held(current->begin(), current->end());
    ListFileAppender list(m_path);
    if (!list.IsOpen()) {
        return false;
    }
    for (const std::string& entry : oldEntries) {
        if (!entry.empty() && FitsALine(entry) && held.insert(entry).second && !list.Append(entry)) {
            return false;
        }
    }
    return list.Close();
}

}  // namespace core
