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
// Fails (with the system's "access denied") when an existing target may not be written.
bool MayReplace(const std::string& target, Links links);
// Creates a fresh file in the target's folder, with the permissions the target has or a
// new file would get, and names it in fresh.
std::FILE* CreateFresh(const std::string& target, Links links, std::string& fresh);
// Whether anything at all (a file, a link, a folder) stands at path; the error is kept.
bool Exists(const std::string& path);
bool Sync(std::FILE* file);
bool RenameOver(const std::string& from, const std::string& to);
void Remove(const std::string& path);

}  // namespace files::system
