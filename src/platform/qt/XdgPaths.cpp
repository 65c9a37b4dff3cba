#include "platform/qt/XdgPaths.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace xdg {

namespace {

std::filesystem::path FromEnvironment(const char* name, const char* fallbackUnderHome) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] == '/') {
        return value;
    }
    return Home() / fallbackUnderHome;
}

}  // namespace

std::filesystem::path Home() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr ? user->pw_dir : "/";
}

std::filesystem::path DataHome() {
    return FromEnvironment("XDG_DATA_HOME", ".local/share");
}

std::filesystem::path ConfigHome() {
    return FromEnvironment("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path CacheHome() {
    return FromEnvironment("XDG_CACHE_HOME", ".cache");
}

}  // namespace xdg
