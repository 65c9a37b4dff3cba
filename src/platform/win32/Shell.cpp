// The shell's services: documents and programs opened with the desktop's associations, and
// the start-up shortcut, a shell link written through IShellLinkA and IPersistFile; the
// notification area's icons.
#include "framework/SystemServices.h"
#include "platform/win32/StartupFolder.h"
#include "platform/win32/Folders.h"
#include "platform/win32/TextConversion.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

namespace {

std::string UserStartupFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return path;
}

HRESULT SaveLink(IShellLinkA& link, const char* shortcutPath) {
    IPersistFile* file = nullptr;
    HRESULT result = link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        result = file->Save(win32::WidePath(shortcutPath).c_str(), TRUE);
        file->Release();
    }
    return result;
}

HRESULT DescribeLink(IShellLinkA& link, const char* target, const char* workingDir, const char* description) {
    HRESULT result = link.SetPath(target);
    if (SUCCEEDED(result)) {
        result = link.SetWorkingDirectory(workingDir);
    }
    if (SUCCEEDED(result)) {
        result = link.SetDescription(description);
    }
    return result;
}

}  // namespace

namespace fw {

HINSTANCE ShellExecuteA(HWND hWnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCmd) {
    return ::ShellExecuteA(hWnd, operation, file, parameters, directory, showCmd);
}

// The program reports a failure itself with the system's text; the shell's own box would
// say it twice, and closing it leaves another last error behind.
BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    const ULONG mask = info->fMask;
    info->fMask |= SEE_MASK_FLAG_NO_UI;
    BOOL done = ::ShellExecuteExA(info);
    info->fMask = mask;
    return done;
}

BOOL CloseHandle(HANDLE handle) {
    return ::CloseHandle(handle);
}

std::string StartupShortcutPath() {
    return StartupShortcutIn(win32::SystemWindowsDirectory(), {win32::IsFolder, UserStartupFolder});
}

HRESULT CreateShortcut(const char* target, const char* shortcutPath, const char* workingDir,
                       const char* description) {
    IShellLinkA* link = nullptr;
    HRESULT result =
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, reinterpret_cast<void**>(&link));
    if (FAILED(result)) {
        return result;
    }
    result = DescribeLink(*link, target, workingDir, description);
    if (SUCCEEDED(result)) {
        result = SaveLink(*link, shortcutPath);
    }
    link->Release();
    return result;
}

BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* data) {
    return ::Shell_NotifyIconA(dwMessage, data);
}

}  // namespace fw
