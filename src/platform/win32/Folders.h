// Folders as the system itself names them.
//
// The list file's home and the registry keys were chosen when every user could write them:
// the Windows directory and HKEY_LOCAL_MACHINE. Test hook: with the environment variable
// KALEIDRA_TEST_MACHINE_READONLY set to 1 both refuse writes as they do for a normal user on
// a modern system, which Wine, running everything as an administrator, can't otherwise show.
#pragma once

#include <string>

namespace win32 {

// The system's own Windows directory: fw::GetWindowsDirectoryA may name the user's list
// folder instead, which is no place the shell looks for anything.
std::string SystemWindowsDirectory();
bool IsFolder(const std::string& path);
bool MachineReadOnlyForTest();

}  // namespace win32
