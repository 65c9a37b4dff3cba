#include "files/RegularFile.h"
#include "files/SystemFiles.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// Every path goes through the ANSI functions, so that each one is converted as the C
// library's fopen and the program's other calls convert it.
namespace files {
namespace {

std::string FolderOf(const std::string& path) {
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator);
}

HANDLE HandleOf(std::FILE* file) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
}

// A stream over an open handle; the handle is closed when that fails.
std::FILE* StreamOver(HANDLE handle, int flags, const char* mode) {
    int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = ::_fdopen(fd, mode);
    if (file == nullptr) {
        system::SavedError error;
        ::_close(fd);
    }
    return file;
}

}  // namespace

// A pipe or a device opens like a file on Windows too; only a file on a disk is kept.
FilePtr OpenRegular(const std::string& path, Access access) {
    bool read = access == Access::Read;
    HANDLE handle = ::CreateFileA(path.c_str(), read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  read ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        ::SetLastError(ERROR_INVALID_FUNCTION);
        return nullptr;
    }
    return FilePtr(StreamOver(handle, read ? _O_RDONLY : _O_RDWR | _O_APPEND, read ? "rb" : "ab+"));
}

std::optional<std::uint64_t> SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void CutBack(std::FILE* file, std::uint64_t length) {
    system::SavedError error;
    std::fflush(file);
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(length);
    HANDLE handle = HandleOf(file);
    if (::SetFilePointerEx(handle, position, nullptr, FILE_BEGIN)) {
        ::SetEndOfFile(handle);
    }
}

namespace system {

SavedError::SavedError() : m_error(::GetLastError()) {}

SavedError::~SavedError() {
    ::SetLastError(m_error);
}

// Links on Windows need rights users rarely have; the path is taken as it stands.
std::string WriteTarget(const std::string& path, Links) {
    return path;
}

Standing Inspect(const std::string& target, Links) {
    DWORD attributes = ::GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return Standing::Nothing;
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return Standing::Refused;
    }
    return Standing::Replaceable;
}

std::FILE* CreateFresh(const std::string& target, Links, std::string& fresh) {
    static unsigned serial = 0;
    for (;;) {
        char name[64];
        wsprintfA(name, "\\.kaleidra-%lx-%x", ::GetCurrentProcessId(), ++serial);
        fresh = FolderOf(target) + name;
        HANDLE handle =
            ::CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            std::FILE* file = StreamOver(handle, _O_WRONLY, "wb");
            if (file == nullptr) {
                SavedError error;
                ::DeleteFileA(fresh.c_str());
            }
            return file;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) {
            return nullptr;
        }
    }
}

bool Sync(std::FILE* file) {
    return ::FlushFileBuffers(HandleOf(file)) != FALSE;
}

bool RenameOver(const std::string& from, const std::string& to) {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Remove(const std::string& path) {
    ::DeleteFileA(path.c_str());
}

}  // namespace system
}  // namespace files
