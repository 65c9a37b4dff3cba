// The shell over the headless world: it opens what exists and fails as scripted; the
// record shows what was asked. The start-up shortcut is a small text file in the world's
// StartUp folder.
#include "framework/SystemServices.h"
#include "platform/emulated/Shell.h"
#include "platform/headless/HeadlessWorld.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

class HeadlessShell : public emulated::Shell {
public:
    explicit HeadlessShell(HeadlessWorld& world) : m_world(world) {}

    // A program such as the text editor is no file of the world: only documents opened
    // through ShellExecuteExA must exist.
    bool Open(const emulated::ShellRequest& request) override {
        m_world.shellCalls.push_back(request);
        if (m_world.TakeFailure(HeadlessCall::ShellExecute)) {
            return false;
        }
        if (request.extended && !std::filesystem::exists(request.file)) {
            errno = ENOENT;
            return false;
        }
        return true;
    }
    HANDLE StartedProcess() override { return m_world.OpenViewerProcess(); }

private:
    HeadlessWorld& m_world;
};

}  // namespace

namespace fw {

HINSTANCE ShellExecuteA(HWND hWnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCmd) {
    HeadlessShell shell(HeadlessWorld::Current());
    return emulated::ShellExecute(shell, hWnd, operation, file, parameters, directory, showCmd);
}

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    HeadlessShell shell(HeadlessWorld::Current());
    return emulated::ShellExecuteEx(shell, info);
}

BOOL CloseHandle(HANDLE handle) {
    return HeadlessWorld::Current().CloseViewerProcess(handle);
}

std::string StartupShortcutPath() {
    return HeadlessWorld::Current().StartupFolder() + "/kaleidra.lnk";
}

// What a test needs of the shortcut is that it exists and what it points at.
HRESULT CreateShortcut(const char* target, const char* shortcutPath, const char* workingDir,
                       const char* description) {
    HeadlessWorld& world = HeadlessWorld::Current();
    if (world.TakeFailure(HeadlessCall::CreateShortcut)) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    std::FILE* file = std::fopen(shortcutPath, "w");
    if (file == nullptr) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    std::fprintf(file, "%s\n%s\n%s\n", target, workingDir, description);
    std::fclose(file);
    world.shortcuts.push_back({target, shortcutPath, workingDir, description});
    return S_OK;
}

BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* data) {
    HeadlessWorld::Current().trayCalls.push_back({dwMessage, *data});
    return TRUE;
}

}  // namespace fw
