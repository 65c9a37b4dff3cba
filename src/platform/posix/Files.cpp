#include "platform/posix/Files.h"

#include "framework/SystemServices.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace posix {

bool CopyFile(const char* existingFile, const char* newFile, bool failIfExists) {
    namespace fs = std::filesystem;
    std::error_code error;
    auto options = failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    if (!fs::copy_file(existingFile, newFile, options, error)) {
        errno = error ? error.value() : EEXIST;
        return false;
    }
    return true;
}

bool DeleteFile(const char* fileName) {
    return ::unlink(fileName) == 0;  // never a folder, as on Windows
}

}  // namespace posix

namespace fw {

DWORD GetLastError() {
    return static_cast<DWORD>(errno);
}

void SetLastError(DWORD errorCode) {
    errno = static_cast<int>(errorCode);
}

// A failure result that carries a system error (HRESULT_FROM_WIN32) reads as that error.
std::string FormatMessageA(DWORD messageId) {
    constexpr DWORD SYSTEM_FAILURE = 0x80070000u;
    if ((messageId & 0xFFFF0000u) == SYSTEM_FAILURE) {
        messageId &= 0xFFFFu;
    }
    return std::strerror(static_cast<int>(messageId));
}

}  // namespace fw
