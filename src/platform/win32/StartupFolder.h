// Where the shell finds the programs it starts at log-on. Systems with one StartUp folder
// for everybody keep it under the Windows directory; where user profiles moved it, the shell
// reports the user's own.
#pragma once

#include <functional>
#include <string>

inline constexpr const char* STARTUP_SHORTCUT_NAME = "kaleidra.lnk";

struct StartupFolderCalls {
    std::function<bool(const std::string& path)> isFolder;
    // The user's StartUp folder as the shell reports it; empty when it reports none.
    std::function<std::string()> userStartupFolder;
};

// The shortcut's path: the Windows directory's "\Start Menu\Programs\StartUp\" where that
// folder exists, else in the user's StartUp folder. With neither, the Windows directory's,
// so that writing the shortcut fails with the system's reason.
std::string StartupShortcutIn(const std::string& windowsDirectory, const StartupFolderCalls& calls);
