// Helpers shared by every part of the program.
#pragma once

#include <string>

// Shows the system's text for the calling thread's last error in an exclamation box.
void ShowLastError();

// True when the file can be opened for reading.
bool FileExists(const std::string& path);

// The folder of the running program file, its trailing separator kept.
std::string GetModuleDir();
