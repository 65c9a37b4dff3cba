// The program's places in the headless world's folder.
#include "framework/SystemServices.h"
#include "platform/headless/HeadlessWorld.h"

namespace fw {

std::string GetWindowsDirectoryA() {
    return HeadlessWorld::Current().WindowsDirectory();
}

std::string GetModuleFileNameA() {
    return HeadlessWorld::Current().ModuleFileName();
}

std::string ProgramDataFolder(const std::string& programFolder) {
    return programFolder;
}

std::string NativePath(std::string_view windowsPath) {
    return HeadlessWorld::Current().NativePath(windowsPath);
}

}  // namespace fw
