// The system's own Windows directory: fw::GetWindowsDirectoryA may name the user's list
// folder instead, which is no place the shell looks for anything.
#pragma once

#include <string>

namespace win32 {

std::string SystemWindowsDirectory();

}  // namespace win32
