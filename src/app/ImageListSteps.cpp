// The main window's side of the Image List: where it lives, and the messages of taking
// over the old list and of adding to it.
#include "app/MainDlg.h"
#include "common/AppCaption.h"
#include "common/Helpers.h"
#include "core/ListFile.h"
#include "framework/SystemServices.h"
#include "resources/StringTable.h"

namespace {

// How the message about the old list names it.
constexpr std::string_view OLD_LIST_PATH_IN_MESSAGE = "C:\\Kaleidra\\Kaleidra.lst";

// A message about an old list that stays, naming it as this system spells it.
std::string NamingOldList(std::string text) {
    size_t at = text.find(OLD_LIST_PATH_IN_MESSAGE);
    if (at != std::string::npos) {
        text.replace(at, OLD_LIST_PATH_IN_MESSAGE.size(), fw::NativePath(OLD_LIST_PATH_IN_MESSAGE));
    }
    return text;
}

std::string OldEntriesTooLongMessage(std::uint32_t count) {
    const bool one = count == 1;
    return NamingOldList(std::to_string(count) +
                         (one ? " entry of the old Image List is" : " entries of the old Image List are") +
                         " longer than the " + std::to_string(core::LIST_ENTRY_CHARS) +
                         " characters a line can hold and " + (one ? "was" : "were") +
                         " not taken over. The old list stays in " + std::string(OLD_LIST_PATH_IN_MESSAGE) +
                         (one ? " with it." : " with them."));
}

std::string MessageText(const core::Message& message) {
    using enum core::MessageId;
    switch (message.id) {
    case NoImageLoaded:
        return LoadStringA(IDS_NO_IMAGE_LOADED);
    case PathTooLong:
        return "This image's path is longer than the " + std::to_string(core::LIST_ENTRY_CHARS) +
               " characters a line of the Image List can hold, so it was not added.";
    case PathHasLineBreak:
        return "This image's path contains a line break, which the Image List can't hold, so it was not added.";
    case ImageAdded:
        return LoadStringA(IDS_IMAGE_ADDED);
    case OldListFound:
        return LoadStringA(IDS_OLD_LIST_FOUND);
    case ListConverted:
        return LoadStringA(IDS_LIST_CONVERTED);
    case OldListNotDeleted:
        return NamingOldList(LoadStringA(IDS_OLD_LIST_NOT_DELETED));
    case OldEntriesTooLong:
        return OldEntriesTooLongMessage(message.count);
    case MissingMinutes:
        return "missing mins error in doregstuff";
    case EntryGone:  // the Image List dialog's own
    case SystemError:
        break;
    }
    return {};
}

}  // namespace

void CMainDlg::ShowMessage(const core::Message& message) {
    switch (message.id) {
    case core::MessageId::SystemError:
        ShowSystemError(message.error);
        break;
    case core::MessageId::MissingMinutes:
        MessageBoxA(MessageText(message).c_str());
        break;
    default:
        MessageBoxA(MessageText(message).c_str(), g_strAppName.c_str(), MB_OK);
        break;
    }
}

void CMainDlg::MigrateOldList() {
    m_list.Locate(fw::GetWindowsDirectoryA());
    m_list.MigrateOldList([this](const core::Message& message) { ShowMessage(message); });
}

int CMainDlg::AddToList(std::string path) {
    core::Message result = m_list.Append(path);
    ShowMessage(result);
    return result.id == core::MessageId::SystemError ? -1 : 0;
}
