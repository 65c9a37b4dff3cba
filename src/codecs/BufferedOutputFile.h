// A file written in one operation through a buffer large enough that rows of pixels travel
// to the disk in big blocks. It is closed when it goes out of scope.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

class BufferedOutputFile {
public:
    // Creates the file, or replaces what it held.
    explicit BufferedOutputFile(const std::string& path);
    ~BufferedOutputFile();
    BufferedOutputFile(const BufferedOutputFile&) = delete;
    BufferedOutputFile& operator=(const BufferedOutputFile&) = delete;

    bool IsOpen() const { return m_file != nullptr; }

    bool Write(const void* bytes, std::size_t count);
    // Hands the buffered bytes to the system; false when they could not be written.
    bool Flush();

private:
    std::unique_ptr<char[]> m_buffer;
    std::FILE* m_file;
};
