// Files of the headless world: real ones, with failures a test scripts.
#include "framework/SystemServices.h"
#include "platform/headless/HeadlessWorld.h"
#include "platform/posix/Files.h"

namespace fw {

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    if (HeadlessWorld::Current().TakeFailure(HeadlessCall::CopyFile)) {
        return FALSE;
    }
    return posix::CopyFile(existingFile, newFile, failIfExists != FALSE);
}

BOOL DeleteFileA(const char* fileName) {
    if (HeadlessWorld::Current().TakeFailure(HeadlessCall::DeleteFile)) {
        return FALSE;
    }
    return posix::DeleteFile(fileName);
}

}  // namespace fw
