// Desktop commands run from an argument vector of bytes: a file name reaches the command
// exactly as the file system spells it, whatever the locale makes of it. No shell.
#pragma once

#include <optional>
#include <string>
#include <vector>

using Command = std::vector<std::string>;

// The standard output of a command that ran and ended with 0 within the time given. None,
// with errno set, when it could not start (ENOENT), failed or took too long (EIO; it is
// killed then).
std::optional<std::string> RunCommand(const Command& command, int timeoutMs);
