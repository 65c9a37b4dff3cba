#include "platform/qt/AtomicFile.h"

#include <cerrno>
#include <cstdio>

#include <stdlib.h>
#include <unistd.h>

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& contents) {
    std::error_code ignored;  // a folder that can't be made shows as the file failing
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::string temp = file.string() + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool written = ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size()) &&
                   ::fsync(fd) == 0;
    int writeError = errno;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temp.c_str(), file.c_str()) != 0) {
        writeError = written ? errno : writeError;
        ::unlink(temp.c_str());
        errno = writeError;
        return false;
    }
    return true;
}
