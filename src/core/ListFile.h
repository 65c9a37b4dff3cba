// Reading and appending the lines of an Image List file.
//
// A line holds at most 259 characters including its line break, so an entry holds at
// most 258; a longer line reads as several entries. Whatever rewrites a list keeps such a
// line whole. CR LF and LF both end a line, so a list written on Windows reads the same
// everywhere.
#pragma once

#include "core/FileSystem.h"
#include "files/FileReplacer.h"
#include "files/RegularFile.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

inline constexpr size_t LIST_LINE_CHARS = 259;
inline constexpr size_t LIST_ENTRY_CHARS = LIST_LINE_CHARS - 1;

#ifdef _WIN32
inline constexpr std::string_view LIST_LINE_BREAK = "\r\n";
#else
inline constexpr std::string_view LIST_LINE_BREAK = "\n";
#endif

// Removes the line break at the end of a line read from a list, where there is one.
void StripLineBreak(std::string& line);

class ListFileReader {
public:
    explicit ListFileReader(const std::string& path);

    bool IsOpen() const { return m_file != nullptr; }

    // Reads the next line, with its line break (as "\n") when it has one, but no more
    // than maxChars characters. False at the end of the file.
    bool ReadLine(std::string& line, size_t maxChars = LIST_LINE_CHARS);

private:
    files::FilePtr m_file;
};

// Appends entries to a list, first ending a last line that was left without a break. An
// append that fails part way is cut off again, so no fragment is left to become an entry.
class ListFileAppender {
public:
    explicit ListFileAppender(const std::string& path);

    bool IsOpen() const { return m_file != nullptr; }
    // Each returns false on failure.
    bool Append(std::string_view entry);
    bool Close();

private:
    files::FilePtr m_file;
    long m_length = 0;
    bool m_needsBreak = false;
};

// Writes a whole new list beside the current one and puts it in the current one's place
// only once every line is written, so a crash or a full disk in between leaves the old
// list as it was. A linked list is written through to its target.
class ListFileRewriter {
public:
    ListFileRewriter(FileSystem& system, const std::string& path);

    bool IsOpen() const { return m_file.IsOpen(); }
    // Each returns false on failure; Error() then tells why.
    bool Write(std::string_view entry);
    bool Commit();
    std::uint32_t Error() const { return m_error; }

private:
    // Takes the reason before anything else can change it.
    bool Fail();

    FileSystem& m_system;
    files::FileReplacer m_file;
    std::uint32_t m_error = 0;
};

}  // namespace core
