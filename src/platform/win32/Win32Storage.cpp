// The registry and the home of the list file. Both were chosen when every user could write
// them: HKEY_LOCAL_MACHINE and the Windows directory. Where a normal user can't (Windows
// Vista and later), the same key paths under HKEY_CURRENT_USER and the folder
// %LOCALAPPDATA%\Kaleidra\ take their place, and once used they are read first.
//
// Test hook: with the environment variable KALEIDRA_TEST_MACHINE_READONLY set to 1 the
// machine-wide places refuse writes as they do for a normal user on a modern system, which
// Wine, running everything as an administrator, can't otherwise show.
#include "framework/SystemServices.h"
#include "platform/win32/RegistryFallback.h"
#include "platform/win32/Win32Folders.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* PER_USER_FOLDER = "\\Kaleidra";

bool MachineReadOnlyForTest() {
    const char* hook = std::getenv("KALEIDRA_TEST_MACHINE_READONLY");
    return hook != nullptr && std::strcmp(hook, "1") == 0;
}

LONG SetKeyValue(HKEY root, const char* subKey, const char* data, DWORD cbData) {
    if (root == HKEY_LOCAL_MACHINE && MachineReadOnlyForTest()) {
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    }
    return ::RegSetValueA(root, subKey, REG_SZ, data, cbData);
}

const RegistryCalls& SystemRegistry() {
    static const RegistryCalls calls{SetKeyValue, ::RegQueryValueA};
    return calls;
}

std::string PerUserFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return std::string(path) + PER_USER_FOLDER;
}

// Whether this user may create files there: a probe file made and removed at once.
bool AcceptsNewFiles(const std::string& folder) {
    if (MachineReadOnlyForTest()) {
        return false;
    }
    char probe[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "krw", 0, probe) == 0) {
        return false;
    }
    ::DeleteFileA(probe);
    return true;
}

}  // namespace

namespace win32 {

std::string SystemWindowsDirectory() {
    char path[MAX_PATH] = {};
    UINT length = ::GetWindowsDirectoryA(path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace win32

namespace fw {

LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD cbData) {
    if (type != REG_SZ) {
        return ::RegSetValueA(root, subKey, type, data, cbData);
    }
    return SetValueWithFallback(SystemRegistry(), root, subKey, data, cbData);
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return QueryValueWithFallback(SystemRegistry(), root, subKey, value, cbValue);
}

// The per-user folder once it exists; else the Windows directory while it takes new files;
// else the per-user folder, made now.
std::string GetWindowsDirectoryA() {
    const std::string windows = win32::SystemWindowsDirectory();
    const std::string perUser = PerUserFolder();
    if (perUser.empty() || (!win32::IsFolder(perUser) && AcceptsNewFiles(windows))) {
        return windows;
    }
    if (!win32::IsFolder(perUser) && !CreateDirectoryA(perUser.c_str(), nullptr)) {
        return windows;
    }
    return perUser;
}

}  // namespace fw
