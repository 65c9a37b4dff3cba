// The program's places. Where a normal user can't write the Windows directory (Windows
// Vista and later), the folder %LOCALAPPDATA%\Kaleidra\ takes its place, and once used it
// is the list file's home.
#include "framework/SystemServices.h"
#include "platform/win32/Folders.h"

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* PER_USER_FOLDER = "\\Kaleidra";

std::string PerUserFolder() {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return std::string(path) + PER_USER_FOLDER;
}

// Whether this user may create files there: a probe file made and removed at once.
bool AcceptsNewFiles(const std::string& folder) {
    if (win32::MachineReadOnlyForTest()) {
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

bool MachineReadOnlyForTest() {
    const char* hook = std::getenv("KALEIDRA_TEST_MACHINE_READONLY");
    return hook != nullptr && std::strcmp(hook, "1") == 0;
}

}  // namespace win32

namespace fw {

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

std::string GetModuleFileNameA() {
    char path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length < sizeof path ? length : 0);
}

std::string ProgramDataFolder(const std::string& programFolder) {
    return programFolder;
}

std::string NativePath(std::string_view windowsPath) {
    return std::string(windowsPath);
}

}  // namespace fw
