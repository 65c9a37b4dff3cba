// A file's bytes read front to back, as a stream: a read at the end yields fewer bytes
// than asked, and from then on every read yields nothing. The bytes either lie in memory
// already or are read from an open file a window at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> bytes) : m_bytes(bytes) {}
    // Reads on from the file's position; the file stays the caller's. The window grows to
    // hold the largest Take; running out of memory for it throws std::bad_alloc.
    ByteReader(std::FILE* file, std::size_t windowBytes);

    // The next byte, or -1 at the end.
    int Get() {
        if (m_pos == m_bytes.size() && !Refill(1)) {
            m_atEnd = true;
            return -1;
        }
        return m_bytes[m_pos++];
    }
    // The next count bytes where they lie, until the next read; fewer only at the end.
    std::span<const unsigned char> Take(std::size_t count);
    // The bytes that lie ready, until the next read: at least one unless at the end.
    std::span<const unsigned char> TakeReady();
    // Copies up to count bytes to destination; fewer only at the end.
    std::size_t Read(unsigned char* destination, std::size_t count);
    // Reads past up to count bytes; returns how many there were.
    std::uint64_t Skip(std::uint64_t count);
    // True once a read came up short.
    bool AtEnd() const { return m_atEnd; }

private:
    // Brings the next count bytes, or as many as the file has left, into the window; false
    // when that is none.
    bool Refill(std::size_t count);

    std::span<const unsigned char> m_bytes;
    std::size_t m_pos = 0;
    bool m_atEnd = false;
    std::FILE* m_file = nullptr;
    std::unique_ptr<unsigned char[]> m_window;
    std::size_t m_windowBytes = 0;
};
