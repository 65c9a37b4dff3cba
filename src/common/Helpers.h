// Helpers shared by every part of the program.
#pragma once

#include "framework/WinTypes.h"

#include <string>

// Shows the system's text for an error code in an exclamation box.
void ShowSystemError(DWORD error);
// The same for the calling thread's last error.
void ShowLastError();

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

// The folder of the running program file, its trailing separator kept.
std::string GetModuleDir();
