// What the file layer needs from each system, written once for POSIX and once for Windows.
#pragma once

#include "files/FileReplacer.h"

#include <cstdio>
#include <string>

namespace files::system {

// The calling thread's last error (errno, or GetLastError on Windows), kept across the
// clean-up calls that follow a failure.
class SavedError {
public:
    SavedError();
    ~SavedError();

private:
    unsigned long m_error;
};

// The file a write to path ends in: path itself, or with WriteThrough the final target of
// the symbolic links at it.
std::string WriteTarget(const std::string& path, Links links);
// What stands at the target now: nothing, something the write may replace, or something it
// must not (with the system's error set: "access denied", or the kind of file it is).
enum class Standing { Nothing, Replaceable, Refused };
Standing Inspect(const std::string& target, Links links);
// Creates a fresh file in the target's folder, with the permissions the target has or a
// new file would get, and names it in fresh.
std::FILE* CreateFresh(const std::string& target, Links links, std::string& fresh);
bool Sync(std::FILE* file);
bool RenameOver(const std::string& from, const std::string& to);
void Remove(const std::string& path);

}  // namespace files::system
