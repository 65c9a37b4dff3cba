#include "rotation/ImageListFile.h"

#include "app/MainDlg.h"
#include "app/ProgramGlobals.h"
#include "common/Helpers.h"
#include "framework/SystemServices.h"
#include "resources/StringTable.h"
#include "rotation/ListFile.h"

#include <cstdio>
#include <filesystem>
#include <unordered_set>
#include <vector>

namespace {

// Where the previous version of the program kept its list.
constexpr const char* OLD_LIST_PATH = "C:\\Kaleidra\\Kaleidra.LST";
// How the message about the old list names it.
constexpr std::string_view OLD_LIST_PATH_IN_MESSAGE = "C:\\Kaleidra\\Kaleidra.lst";

// Every entry of a list, whole however long, without line breaks.
std::optional<std::vector<std::string>> ReadWholeEntries(const std::string& path) {
    ListFileReader reader(path);
    if (!reader.IsOpen()) {
        return std::nullopt;
    }
    std::vector<std::string> entries;
    std::string line;
    while (reader.ReadLine(line, std::string::npos)) {
        StripLineBreak(line);
        entries.push_back(line);
    }
    return entries;
}

bool IsMissingOrEmpty(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0;
}

// Appends the old list's entries that the current list doesn't hold yet, so running the
// conversion again (an old list that could not be deleted) adds nothing twice.
bool MergeOldEntries(const std::string& oldPath, const std::string& listPath) {
    auto oldEntries = ReadWholeEntries(oldPath);
    if (!oldEntries) {
        return false;
    }
    auto current = ReadWholeEntries(listPath);
    if (!current) {
        return false;
    }
    std::unordered_set<std::string> held(current->begin(), current->end());
    ListFileAppender list(listPath);
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

// The message about an old list that stays, naming it as this system spells it.
std::string OldListNotDeletedMessage() {
    std::string text = LoadStringA(IDS_OLD_LIST_NOT_DELETED);
    size_t at = text.find(OLD_LIST_PATH_IN_MESSAGE);
    if (at != std::string::npos) {
        text.replace(at, OLD_LIST_PATH_IN_MESSAGE.size(), fw::NativePath(OLD_LIST_PATH_IN_MESSAGE));
    }
    return text;
}

// Why a path can't be stored as one line of the list, or nothing when it can.
std::optional<std::string> WhyListCantHold(const std::string& path) {
    if (path.size() > LIST_ENTRY_CHARS) {
        return "This image's path is longer than the " + std::to_string(LIST_ENTRY_CHARS) +
               " characters a line of the Image List can hold, so it was not added.";
    }
    if (path.find_first_of("\r\n") != std::string::npos) {
        return std::string("This image's path contains a line break, which the Image List can't hold, "
                           "so it was not added.");
    }
    return std::nullopt;
}

}  // namespace

int CountListEntries(std::string path) {
    ListFileReader reader(path);
    if (!reader.IsOpen()) {
        ShowLastError();
        return 0;
    }
    int count = 0;
    std::string line;
    while (reader.ReadLine(line)) {
        ++count;
    }
    return count;
}

std::optional<std::string> ReadListEntry(std::string path, int i) {
    if (i > g_nEntryCount) {
        i = 1;
    }
    ListFileReader reader(path);
    if (!reader.IsOpen()) {
        ShowLastError();
        return std::nullopt;
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
    return entry;
}

// Migration rule: an old list is copied when the current list is missing or empty;
// otherwise its entries that the current list lacks are appended. The old list is
// deleted only when its entries have arrived.
void CMainDlg::MigrateOldList() {
    g_strListPath = fw::GetWindowsDirectoryA() + fw::PATH_SEPARATOR + g_strListName;
    const std::string oldPath = fw::NativePath(OLD_LIST_PATH);
    if (!FileExists(oldPath)) {
        return;
    }
    MessageBoxA(LoadStringA(IDS_OLD_LIST_FOUND).c_str(), g_strAppName.c_str(), MB_OK);
    bool converted = IsMissingOrEmpty(g_strListPath)
                         ? fw::CopyFileA(oldPath.c_str(), g_strListPath.c_str(), FALSE) != FALSE
                         : MergeOldEntries(oldPath, g_strListPath);
    if (!converted) {
        ShowLastError();
        return;
    }
    MessageBoxA(LoadStringA(IDS_LIST_CONVERTED).c_str(), g_strAppName.c_str(), MB_OK);
    if (!fw::DeleteFileA(oldPath.c_str())) {
        MessageBoxA(OldListNotDeletedMessage().c_str(), g_strAppName.c_str(), MB_OK);
    }
}

int CMainDlg::AddToList(std::string path) {
    if (path.empty()) {
        MessageBoxA(LoadStringA(IDS_NO_IMAGE_LOADED).c_str(), g_strAppName.c_str(), MB_OK);
        return 0;
    }
    if (auto refusal = WhyListCantHold(path)) {
        MessageBoxA(refusal->c_str(), g_strAppName.c_str(), MB_OK);
        return 0;
    }
    ListFileAppender list(g_strListPath);
    if (!list.IsOpen() || !list.Append(path) || !list.Close()) {
        ShowLastError();
        return -1;
    }
    MessageBoxA(LoadStringA(IDS_IMAGE_ADDED).c_str(), g_strAppName.c_str(), MB_OK);
    return 0;
}
