#include "platform/qt/RunFolder.h"

#include "platform/qt/XdgPaths.h"

#include <cstdlib>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace run_folder {

namespace {

bool IsPrivate(const std::string& folder) {
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & 0777) == 0700;
}

// One made here gets its mode whatever the umask; one found is taken only as it is.
bool MakePrivate(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) {
        ::chmod(folder.c_str(), 0700);
    }
    return IsPrivate(folder);
}

}  // namespace

std::string Choose(const char* runtimeDir, const std::string& tempDir, const std::string& cacheDir) {
    if (runtimeDir != nullptr && runtimeDir[0] == '/' && IsPrivate(runtimeDir) &&
        MakePrivate(std::string(runtimeDir) + "/kaleidra")) {
        return std::string(runtimeDir) + "/kaleidra";
    }
    std::string temporary = tempDir + "/kaleidra-" + std::to_string(::geteuid());
    if (MakePrivate(temporary)) {
        return temporary;
    }
    std::error_code error;
    std::filesystem::create_directories(cacheDir + "/kaleidra", error);
    std::string cached = cacheDir + "/kaleidra/run";
    return MakePrivate(cached) ? cached : std::string();
}

const std::string& Path() {
    static const std::string path = [] {
        const char* temp = std::getenv("TMPDIR");
        return Choose(std::getenv("XDG_RUNTIME_DIR"), temp != nullptr && temp[0] == '/' ? temp : "/tmp",
                      xdg::CacheHome().string());
    }();
    return path;
}

}  // namespace run_folder
