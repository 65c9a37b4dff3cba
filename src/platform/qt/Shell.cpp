// The shell of a Linux desktop: documents opened with the desktop's default application,
// the autostart entry as the start-up shortcut.
#include "framework/SystemServices.h"
#include "platform/emulated/NoCase.h"
#include "platform/emulated/Shell.h"
#include "platform/qt/AtomicFile.h"
#include "platform/qt/AutostartEntry.h"
#include "platform/qt/DesktopOpen.h"

#include <cerrno>

namespace {

// The program that edits a text file on Windows; here the desktop's choice for the file.
constexpr const char* TEXT_EDITOR = "notepad";

// "open" is the only verb, and the default one. A program named as the file is the text
// editor, which opens the file its parameters name. The opener is detached: there is no
// process to wait on.
class DesktopShell : public emulated::Shell {
public:
    bool Open(const emulated::ShellRequest& request) override {
        if ((!request.verb.empty() && !EqualsNoCase(request.verb, "open")) || request.file.empty()) {
            errno = EINVAL;
            return false;
        }
        bool editor = EqualsNoCase(request.file, TEXT_EDITOR) && !request.parameters.empty();
        return OpenWithDesktop(editor ? request.parameters : request.file, request.directory);
    }
};

}  // namespace

namespace fw {

HINSTANCE ShellExecuteA(HWND hWnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCmd) {
    DesktopShell shell;
    return emulated::ShellExecute(shell, hWnd, operation, file, parameters, directory, showCmd);
}

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    DesktopShell shell;
    return emulated::ShellExecuteEx(shell, info);
}

// The opener is detached, so no process handle is ever given back to release.
BOOL CloseHandle(HANDLE handle) {
    return handle != nullptr;
}

std::string StartupShortcutPath() {
    return AutostartEntryPath().string();
}

HRESULT CreateShortcut(const char* target, const char* shortcutPath, const char* workingDir,
                       const char* description) {
    if (!WriteFileAtomically(shortcutPath, FormatAutostartEntry(target, workingDir, description))) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    return S_OK;
}

}  // namespace fw
