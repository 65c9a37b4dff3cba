// Files of a Linux desktop session.
#include "framework/SystemServices.h"
#include "platform/posix/Files.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool SyncToDisk(const char* path) {
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool synced = ::fsync(fd) == 0;
    int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

}  // namespace

namespace fw {

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    return posix::CopyFile(existingFile, newFile, failIfExists != FALSE);
}

BOOL DeleteFileA(const char* fileName) {
    return posix::DeleteFile(fileName);
}

// Written through: the moved contents and the folder's new entry are on disk before it
// returns, so a crash leaves the old file or the whole new one.
BOOL MoveFileExA(const char* existingFile, const char* newFile, DWORD flags) {
    bool writeThrough = (flags & MOVEFILE_WRITE_THROUGH) != 0;
    if (writeThrough && !SyncToDisk(existingFile)) {
        return FALSE;
    }
    if (!posix::MoveFile(existingFile, newFile, (flags & MOVEFILE_REPLACE_EXISTING) != 0)) {
        return FALSE;
    }
    std::filesystem::path folder = std::filesystem::absolute(newFile).parent_path();
    return !writeThrough || SyncToDisk(folder.c_str());
}

}  // namespace fw
