// The shell of a Linux desktop: documents opened with the desktop's default application,
// the autostart entry as the start-up shortcut.
#include "common/NoCase.h"
#include "framework/SystemServices.h"
#include "platform/qt/AtomicFile.h"
#include "platform/qt/AutostartEntry.h"
#include "platform/qt/DesktopOpen.h"

#include <cerrno>
#include <cstdint>

namespace {

constexpr std::uintptr_t DONE = 42;
constexpr std::uintptr_t SE_ERR_FNF = 2;
constexpr std::uintptr_t SE_ERR_NOASSOC = 31;
// The program that edits a text file on Windows; here the desktop's choice for the file.
constexpr const char* TEXT_EDITOR = "notepad";

// "open" is the only verb, and the default one. A program named as the file is the text
// editor, which opens the file its parameters name.
bool ShellOpen(const char* verb, const char* file, const char* parameters, const char* directory) {
    if ((verb != nullptr && !EqualsNoCase(verb, "open")) || file == nullptr) {
        errno = EINVAL;
        return false;
    }
    const char* document = EqualsNoCase(file, TEXT_EDITOR) && parameters != nullptr ? parameters : file;
    return OpenWithDesktop(document, directory != nullptr ? directory : "");
}

}  // namespace

namespace fw {

HINSTANCE ShellExecuteA(HWND, const char* operation, const char* file, const char* parameters,
                        const char* directory, int) {
    std::uintptr_t result = DONE;
    if (!ShellOpen(operation, file, parameters, directory)) {
        result = errno == ENOENT ? SE_ERR_FNF : SE_ERR_NOASSOC;
    }
    return reinterpret_cast<HINSTANCE>(result);
}

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    if (!ShellOpen(info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory)) {
        info->hInstApp = reinterpret_cast<HINSTANCE>(errno == ENOENT ? SE_ERR_FNF : SE_ERR_NOASSOC);
        return FALSE;
    }
    info->hInstApp = reinterpret_cast<HINSTANCE>(DONE);
    info->hProcess = nullptr;  // the opener is detached: there is no process to wait on
    return TRUE;
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
