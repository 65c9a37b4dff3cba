// What the core asks of the system about files. The window's side implements it over its
// host, so each system's own calls and error codes are the ones the user sees.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The error code the last failed call left.
    virtual std::uint32_t LastError() const = 0;
    // True when the file can be opened for reading.
    virtual bool Exists(const std::string& path) const = 0;
    // Each returns false on failure, with the reason in LastError(); an existing target
    // is replaced.
    virtual bool CopyOver(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // A fixed Windows path of the program's own (such as the previous version's folder on
    // drive C:) as this system spells it.
    virtual std::string NativePath(std::string_view windowsPath) const = 0;
    // A line read from a list as the program's own text: earlier builds may have written
    // it in another encoding than this one's.
    virtual std::string ListLineText(std::string line) const = 0;
};

}  // namespace core
