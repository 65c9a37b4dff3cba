// A file's bytes read front to back, as a stream: a read at the end yields fewer bytes
// than asked, and from then on every read yields nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : m_bytes(bytes) {}

    // The next byte, or -1 at the end.
    int Get() {
        if (m_pos == m_bytes.size()) {
            m_atEnd = true;
            return -1;
        }
        return m_bytes[m_pos++];
    }

    // The next count bytes where they lie; fewer only at the end.
    std::span<const unsigned char> Take(std::size_t count);
    // Copies up to count bytes to destination; fewer only at the end.
    std::size_t Read(unsigned char* destination, std::size_t count);
    // Reads past up to count bytes; returns how many there were.
    std::uint64_t Skip(std::uint64_t count);
    // True once a read came up short.
    bool AtEnd() const { return m_atEnd; }

private:
    std::span<const unsigned char> m_bytes;
    std::size_t m_pos = 0;
    bool m_atEnd = false;
};
