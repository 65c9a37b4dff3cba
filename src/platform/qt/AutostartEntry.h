// The XDG autostart entry that starts the program at log-in: a desktop entry file in
// $XDG_CONFIG_HOME/autostart/ (by default ~/.config/autostart/).
#pragma once

#include <filesystem>
#include <string>

std::filesystem::path AutostartEntryPath();

// The entry for a program, started in workingDir, with the description as its comment.
std::string FormatAutostartEntry(const std::string& program, const std::string& workingDir,
                                 const std::string& description);
