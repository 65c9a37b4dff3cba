#include "files/RegularFile.h"
#include "files/SystemFiles.h"

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

// How many links deep a path is followed; the system's own limit for a lookup.
constexpr int MAX_LINKS = 40;

std::string FolderOf(const std::string& path) {
    size_t separator = path.rfind('/');
    return separator == std::string::npos ? std::string(".") : path.substr(0, separator == 0 ? 1 : separator);
}

// Not a regular file: a folder says so; anything else can't be read as a file's bytes.
int KindError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EINVAL;
}

// The permissions a file created now would get.
mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

// Opened without blocking, so that a named pipe can be told apart before it is read.
FilePtr OpenRegular(const std::string& path, Access access) {
    int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (access == Access::Read ? O_RDONLY : O_RDWR | O_APPEND | O_CREAT);
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        int error = known ? KindError(info.st_mode) : errno;
        ::close(fd);
        errno = error;
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, access == Access::Read ? "rb" : "ab+");
    if (file == nullptr) {
        system::SavedError error;
        ::close(fd);
    }
    return FilePtr(file);
}

std::optional<std::uint64_t> SizeOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

void CutBack(std::FILE* file, std::uint64_t length) {
    system::SavedError error;
    std::fflush(file);
    ::ftruncate(::fileno(file), static_cast<off_t>(length));
}

namespace system {

SavedError::SavedError() : m_error(static_cast<unsigned long>(errno)) {}

SavedError::~SavedError() {
    errno = static_cast<int>(m_error);
}

std::string WriteTarget(const std::string& path, Links links) {
    std::string target = path;
    for (int depth = 0; links == Links::WriteThrough && depth < MAX_LINKS; ++depth) {
        char link[PATH_MAX];
        ssize_t length = ::readlink(target.c_str(), link, sizeof link);
        if (length < 0 || length == sizeof link) {
            break;
        }
        std::string next(link, static_cast<size_t>(length));
        target = next.front() == '/' ? next : FolderOf(target) + '/' + next;
    }
    return target;
}

Standing Inspect(const std::string& target, Links links) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
        return Standing::Nothing;
    }
    if (links == Links::Replace && S_ISLNK(info.st_mode)) {
        return Standing::Replaceable;
    }
    // A pipe or a device is never replaced by a file; a folder says so.
    if (::stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        errno = KindError(info.st_mode);
        return Standing::Refused;
    }
    // A file nobody may write is read-only even to the administrator, as on Windows.
    if ((info.st_mode & 0222) == 0) {
        errno = EACCES;
        return Standing::Refused;
    }
    return ::access(target.c_str(), W_OK) == 0 ? Standing::Replaceable : Standing::Refused;
}

std::FILE* CreateFresh(const std::string& target, Links links, std::string& fresh) {
    fresh = FolderOf(target) + "/.kaleidra-XXXXXX";
    int fd = ::mkostemp(fresh.data(), O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    auto status = links == Links::Replace ? ::lstat : ::stat;
    bool replacesFile = status(target.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    std::FILE* file = nullptr;
    if (::fchmod(fd, replacesFile ? info.st_mode & 07777 : NewFileMode()) == 0) {
        file = ::fdopen(fd, "wb");
    }
    if (file == nullptr) {
        SavedError error;
        ::close(fd);
        ::unlink(fresh.c_str());
    }
    return file;
}

bool Sync(std::FILE* file) {
    return ::fsync(::fileno(file)) == 0;
}

// The folder's new entry is synced too, so a crash after the return keeps the new file.
bool RenameOver(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void Remove(const std::string& path) {
    ::unlink(path.c_str());
}

}  // namespace system
}  // namespace files
