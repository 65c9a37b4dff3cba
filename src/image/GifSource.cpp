#include "image/GifSource.h"

#include <algorithm>
#include <cstring>

GifSource::GifSource(const std::string& path) : m_file(std::fopen(path.c_str(), "rb")) {
    if (m_file != nullptr) {
        m_buffer = std::make_unique<unsigned char[]>(BLOCK_BYTES);
    }
}

GifSource::~GifSource() {
    if (m_file != nullptr) {
        std::fclose(m_file);
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
    if (m_file == nullptr) {
        return false;
    }
    m_pos = 0;
    m_end = std::fread(m_buffer.get(), 1, BLOCK_BYTES, m_file);
    return m_end != 0;
}
