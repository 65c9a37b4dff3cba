// Folders as the system itself names them.
#pragma once

#include <string>

namespace win32 {

// The system's own Windows directory: fw::GetWindowsDirectoryA may name the user's list
// folder instead, which is no place the shell looks for anything.
std::string SystemWindowsDirectory();
bool IsFolder(const std::string& path);

}  // namespace win32
