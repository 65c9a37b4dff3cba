#include "codecs/ByteReader.h"

#include <algorithm>
#include <cstring>

std::span<const unsigned char> ByteReader::Take(std::size_t count) {
    const std::size_t take = std::min(count, m_bytes.size() - m_pos);
    const std::span<const unsigned char> taken = m_bytes.subspan(m_pos, take);
    m_pos += take;
    m_atEnd = m_atEnd || take < count;
    return taken;
}

std::size_t ByteReader::Read(unsigned char* destination, std::size_t count) {
    const std::span<const unsigned char> taken = Take(count);
    if (!taken.empty()) {
        std::memcpy(destination, taken.data(), taken.size());
    }
    return taken.size();
}

std::uint64_t ByteReader::Skip(std::uint64_t count) {
    const std::uint64_t take = std::min<std::uint64_t>(count, m_bytes.size() - m_pos);
    m_pos += static_cast<std::size_t>(take);
    m_atEnd = m_atEnd || take < count;
    return take;
}
