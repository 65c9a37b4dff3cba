// The program's places in a Linux desktop session.
#include "framework/SystemServices.h"
#include "platform/qt/XdgPaths.h"

#include <algorithm>
#include <filesystem>

namespace fw {

std::string GetWindowsDirectoryA() {
    std::filesystem::path folder = xdg::DataHome() / "kaleidra";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}

std::string GetModuleFileNameA() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

// Installed, the data lies in share/kaleidra beside bin; in a build tree, beside the program.
std::string ProgramDataFolder(const std::string& programFolder) {
    std::filesystem::path installed =
        (std::filesystem::path(programFolder) / KALEIDRA_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code ignored;
    return std::filesystem::is_directory(installed, ignored) ? installed.string() : programFolder;
}

// "C:\Kaleidra\Kaleidra.LST" is ~/Kaleidra/Kaleidra.LST: drive C: is the home folder.
std::string NativePath(std::string_view windowsPath) {
    std::string relative(windowsPath);
    if (relative.size() >= 2 && relative[1] == ':') {
        relative.erase(0, 2);
    }
    std::replace(relative.begin(), relative.end(), '\\', '/');
    relative.erase(0, relative.find_first_not_of('/'));
    return (xdg::Home() / relative).string();
}

}  // namespace fw
