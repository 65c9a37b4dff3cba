// The system services over the headless world.
#include "framework/SystemServices.h"
#include "platform/headless/HeadlessWorld.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/RegistryText.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace fw {

namespace {

constexpr LONG ERROR_INVALID_PARAMETER = 87;

}  // namespace

LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD) {
    HeadlessRegistry& registry = HeadlessWorld::Current().registry;
    if (type != REG_SZ) {
        return ERROR_INVALID_PARAMETER;
    }
    if (registry.refuseWrites) {
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    }
    registry.Set(subKey, data, root);
    return ERROR_SUCCESS;
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return posix::CopyRegistryText(HeadlessWorld::Current().registry.Get(subKey, root), value, cbValue);
}

BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, const char* pvParam, UINT fWinIni) {
    HeadlessWorld::Current().wallpaperCalls.push_back({uiAction, uiParam, pvParam, fWinIni});
    return TRUE;
}

std::string GetWindowsDirectoryA() {
    return HeadlessWorld::Current().WindowsDirectory();
}

std::string GetModuleFileNameA() {
    return HeadlessWorld::Current().ModuleFileName();
}

std::string NativePath(std::string_view windowsPath) {
    return HeadlessWorld::Current().NativePath(windowsPath);
}

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    if (HeadlessWorld::Current().TakeFailure(HeadlessCall::CopyFile)) {
        return FALSE;
    }
    return posix::CopyFile(existingFile, newFile, failIfExists != FALSE);
}

BOOL DeleteFileA(const char* fileName) {
    if (HeadlessWorld::Current().TakeFailure(HeadlessCall::DeleteFile)) {
        return FALSE;
    }
    return posix::DeleteFile(fileName);
}

BOOL MoveFileExA(const char* existingFile, const char* newFile, DWORD flags) {
    if (HeadlessWorld::Current().TakeFailure(HeadlessCall::MoveFile)) {
        return FALSE;
    }
    return posix::MoveFile(existingFile, newFile, (flags & MOVEFILE_REPLACE_EXISTING) != 0);
}

void ExitProcess(UINT exitCode) {
    throw ProcessExit{exitCode};
}

HWND FindWindowA(const char* className, const char* windowName) {
    return HeadlessWorld::Current().FindWindow(className, windowName);
}

BOOL SetForegroundWindow(HWND hWnd) {
    HeadlessWorld::Current().foregroundWindow = hWnd;
    return TRUE;
}

void CoInitialize() {
    ++HeadlessWorld::Current().comInitializations;
}

void CoUninitialize() {
    --HeadlessWorld::Current().comInitializations;
}

HICON LoadIconA(UINT nIDResource) {
    return HeadlessWorld::Current().Icon(nIDResource);
}

int GetSystemMetrics(int nIndex) {
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? HeadlessWorld::ICON_SIZE : 0;
}

// The shell opens what exists and fails as scripted; the record shows what was asked.
HINSTANCE ShellExecuteA(HWND hWnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCmd) {
    HeadlessWorld& world = HeadlessWorld::Current();
    world.shellCalls.push_back({hWnd, operation, file, parameters ? parameters : "", directory ? directory : "",
                                showCmd, false});
    constexpr std::uintptr_t DONE = 42, SE_ERR_FNF = 2;
    return reinterpret_cast<HINSTANCE>(world.TakeFailure(HeadlessCall::ShellExecute) ? SE_ERR_FNF : DONE);
}

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    HeadlessWorld& world = HeadlessWorld::Current();
    world.shellCalls.push_back({info->hwnd, info->lpVerb, info->lpFile, info->lpParameters ? info->lpParameters : "",
                                info->lpDirectory ? info->lpDirectory : "", info->nShow, true});
    if (world.TakeFailure(HeadlessCall::ShellExecute)) {
        return FALSE;
    }
    if (!std::filesystem::exists(info->lpFile)) {
        errno = ENOENT;
        return FALSE;
    }
    if ((info->fMask & SEE_MASK_NOCLOSEPROCESS) != 0) {
        info->hProcess = world.OpenViewerProcess();
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
    return HeadlessWorld::Current().CloseViewerProcess(handle);
}

std::string StartupShortcutPath() {
    return HeadlessWorld::Current().StartupFolder() + "/kaleidra.lnk";
}

// The shortcut is a small text file here: what a test needs is that it exists and what
// it points at.
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

std::string DragQueryFileA(HDROP hDrop, UINT index) {
    return index < hDrop->files.size() ? hDrop->files[index] : std::string();
}

void DragFinish(HDROP hDrop) {
    hDrop->finished = true;
}

std::string _strdate() {
    using namespace std::chrono;
    year_month_day date{floor<days>(HeadlessWorld::Current().Now())};
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%02d", unsigned(date.month()), unsigned(date.day()),
                  static_cast<int>(date.year()) % 100);
    return text;
}

std::time_t time() {
    return std::chrono::system_clock::to_time_t(HeadlessWorld::Current().Now());
}

void srand(unsigned seed) {
    HeadlessWorld::Current().Srand(seed);
}

int rand() {
    return HeadlessWorld::Current().Rand();
}

int AfxMessageBox(const char* text, UINT type) {
    return HeadlessWorld::Current().ShowMessageBox(nullptr, text, AfxGetAppName(), type);
}

int MessageBoxA(HWND hWnd, const char* text, const char* caption, UINT type) {
    return HeadlessWorld::Current().ShowMessageBox(hWnd, text, caption, type);
}

HWND GetActiveWindow() {
    return HeadlessWorld::Current().ActiveWindow();
}

}  // namespace fw
