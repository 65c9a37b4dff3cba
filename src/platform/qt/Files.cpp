// Files of a Linux desktop session.
#include "framework/SystemServices.h"
#include "platform/posix/Files.h"

namespace fw {

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    return posix::CopyFile(existingFile, newFile, failIfExists != FALSE);
}

BOOL DeleteFileA(const char* fileName) {
    return posix::DeleteFile(fileName);
}

}  // namespace fw
