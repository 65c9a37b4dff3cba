// The private per-user folder of the single-instance lock and socket. Names in a folder
// other users can write to could be taken first by one of them, so only a folder that is
// really ours is used.
#pragma once

#include <string>

namespace run_folder {

// The first usable of: <runtimeDir>/kaleidra when runtimeDir is a private folder,
// <tempDir>/kaleidra-<uid>, <cacheDir>/kaleidra/run. Each is made when missing and used
// only when it is a folder (not a link) of this user with mode 0700. Empty when none is.
std::string Choose(const char* runtimeDir, const std::string& tempDir, const std::string& cacheDir);
// Chosen once from the environment.
const std::string& Path();

}  // namespace run_folder
