// The shell's services: documents and programs opened with the desktop's associations, and
// the start-up shortcut, a shell link written through IShellLinkA and IPersistFile.
#include "framework/SystemServices.h"
#include "platform/win32/StartupFolder.h"
#include "platform/win32/SystemWindowsDirectory.h"

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

namespace {

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string UserStartupFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return path;
}

std::wstring WidePath(const char* path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    return wide;
}

HRESULT SaveLink(IShellLinkA& link, const char* shortcutPath) {
    IPersistFile* file = nullptr;
    HRESULT result = link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
        result = file->Save(WidePath(shortcutPath).c_str(), TRUE);
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

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
    return ::ShellExecuteExA(info);
}

std::string StartupShortcutPath() {
    return StartupShortcutIn(win32::SystemWindowsDirectory(), {IsFolder, UserStartupFolder});
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

}  // namespace fw
