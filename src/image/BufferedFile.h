// A stdio file opened for one operation, with a buffer large enough that rows of pixels
// travel to and from the disk in big blocks. It is closed when it goes out of scope.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class BufferedFile {
public:
    BufferedFile(const std::string& path, const char* mode);
    ~BufferedFile();
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    bool IsOpen() const { return m_file != nullptr; }

    // Up to count bytes. A short read means the end of the file (or an error); from then
    // on every read yields nothing, as further single-byte reads would.
    std::size_t Read(void* bytes, std::size_t count);
    // Reads past up to count bytes; returns how many there were.
    std::uint64_t Skip(std::uint64_t count);
    bool AtEnd() const { return m_atEnd; }

    bool Write(const void* bytes, std::size_t count);
    // Hands the buffered bytes to the system; false when they could not be written.
    bool Flush();

private:
    std::unique_ptr<char[]> m_buffer;
    std::FILE* m_file;
    bool m_atEnd = false;
};
