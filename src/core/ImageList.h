// The Image List file: one image path per line, in the order the entries were added. No
// file is kept open; each operation opens the list, does its work and closes it.
#pragma once

#include "core/FileSystem.h"
#include "core/Message.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view LIST_FILE_NAME = "Kaleidra.LST";

class ImageList {
public:
    explicit ImageList(FileSystem& system) : m_system(system) {}

    // Places the list in the given folder (the Windows directory); empty until then.
    void Locate(const std::string& folder);
    const std::string& Path() const { return m_path; }
    // Creates the list empty when there is none; a failure is left to the first use.
    void CreateIfMissing() const;

    // The number of lines; 0 when the file can't be opened.
    Outcome<int> Count() const;
    // The path of line i, counted from 1. An index above count (the count of the last
    // change step) reads line 1; one the file doesn't reach (0 included) reads its last
    // line. Nothing when the file can't be opened or holds nothing.
    Outcome<std::optional<std::string>> Entry(int i, int count) const;
    // Every line, whole, without its line break; none when the file can't be opened.
    std::vector<std::string> Lines() const;

    // Appends a path as a line: the confirmation, or why it was refused or failed.
    Message Append(const std::string& path);
    // Deletes the line that reads entry (its occurrence-th such line, counted from 0) from the
    // list as the file holds it now, keeping every other line as it stands, in one step.
    // Nothing when it was deleted; EntryGone when the file no longer holds it; otherwise why
    // the list could not be read or rewritten, with the file as it was.
    std::optional<Message> Remove(const std::string& entry, int occurrence);

    // Takes over the previous version's list: copied when the list is missing or empty,
    // otherwise merged in without repeating an entry, so that converting again (an old
    // list that could not be deleted) adds nothing twice. Entries too long for a line are
    // left in the old list, which then stays. Each message goes to show as it arises,
    // before the next step is taken.
    void MigrateOldList(const std::function<void(const Message&)>& show);

private:
    Message SystemFailure() const { return Message::System(m_system.LastError()); }
    std::optional<Message> Rewrite(const std::vector<std::string>& lines);
    // listEmpty: the list is missing or holds nothing, as found before the merge.
    bool MergeOldEntries(const std::vector<std::string>& oldEntries, bool listEmpty);

    FileSystem& m_system;
    std::string m_path;
    std::string m_oldPath;
};

}  // namespace core
