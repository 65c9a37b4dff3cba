// Files and the last error over KERNEL32: each is the call of the same name.
#include "framework/SystemServices.h"

#include <windows.h>

namespace fw {

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    return ::CopyFileA(existingFile, newFile, failIfExists);
}

BOOL DeleteFileA(const char* fileName) {
    return ::DeleteFileA(fileName);
}

DWORD GetLastError() {
    return ::GetLastError();
}

void SetLastError(DWORD errorCode) {
    ::SetLastError(errorCode);
}

std::string FormatMessageA(DWORD messageId) {
    char* buffer = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, messageId, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                    reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer != nullptr ? buffer : "", length);
    LocalFree(buffer);
    return text;
}

}  // namespace fw
