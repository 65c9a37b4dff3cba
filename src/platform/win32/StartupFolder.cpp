#include "platform/win32/StartupFolder.h"

namespace {

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

}  // namespace

std::string StartupShortcutIn(const std::string& windowsDirectory, const StartupFolderCalls& calls) {
    const std::string shared = WithBackslash(windowsDirectory) + "Start Menu\\Programs\\StartUp\\";
    if (calls.isFolder(shared)) {
        return shared + STARTUP_SHORTCUT_NAME;
    }
    const std::string user = calls.userStartupFolder();
    return (user.empty() ? shared : WithBackslash(user)) + STARTUP_SHORTCUT_NAME;
}
