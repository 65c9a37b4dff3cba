// Opening the user's files for reading and appending. Only a regular file is opened: a named
// pipe, a device or a socket at the path would block the program or never end, so each is
// refused before anything is read from it, as is a folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace files {

enum class Access {
    Read,    // "rb"
    Append,  // "ab+": reads anywhere, writes at the end; creates the file when missing
};

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

// Null, with the system's error set, when the path is not a regular file or can't be opened.
FilePtr OpenRegular(const std::string& path, Access access);

// The whole contents of the regular file at path; nothing, with the system's error set, when
// it is not one or can't be read.
std::optional<std::string> ReadRegular(const std::string& path);

// The size of the regular file at path; nothing when there is none or it can't be read.
std::optional<std::uint64_t> SizeOf(const std::string& path);

// Cuts an open file back to length bytes, as it was before a write that failed part way.
// The failed write's error stays the one the system reports.
void CutBack(std::FILE* file, std::uint64_t length);

}  // namespace files
