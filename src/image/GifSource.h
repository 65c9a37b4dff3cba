// The GIF file being read, fetched in large blocks: the reader asks for single bytes and
// short sub-blocks, and a stdio call for each of them would cost more than the decoding.
#pragma once

#include "image/BufferedFile.h"

#include <cstddef>
#include <memory>
#include <string>

class GifSource {
public:
    explicit GifSource(const std::string& path);

    bool IsOpen() const { return m_file.IsOpen(); }

    // The next byte, or -1 at the end of the file (or on a read error).
    int Get() {
        if (m_pos == m_end && !Refill()) {
            return -1;
        }
        return m_buffer[m_pos++];
    }

    // Copies up to count bytes to destination; fewer only at the end of the file.
    std::size_t Read(unsigned char* destination, std::size_t count);

private:
    bool Refill();

    static constexpr std::size_t BLOCK_BYTES = 64 * 1024;
    BufferedFile m_file;
    std::unique_ptr<unsigned char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};
