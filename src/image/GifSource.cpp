#include "image/GifSource.h"

#include <algorithm>
#include <cstring>

GifSource::GifSource(const std::string& path) : m_file(path, "rb") {
    if (m_file.IsOpen()) {
        m_buffer = std::make_unique<unsigned char[]>(BLOCK_BYTES);
    }
}

std::size_t GifSource::Read(unsigned char* destination, std::size_t count) {
    std::size_t copied = 0;
    while (copied < count && (m_pos < m_end || Refill())) {
        std::size_t take = std::min(count - copied, m_end - m_pos);
        std::memcpy(destination + copied, m_buffer.get() + m_pos, take);
        m_pos += take;
        copied += take;
    }
    return copied;
}

bool GifSource::Refill() {
    if (!m_file.IsOpen()) {
        return false;
    }
    m_pos = 0;
    m_end = m_file.Read(m_buffer.get(), BLOCK_BYTES);
    return m_end != 0;
}
