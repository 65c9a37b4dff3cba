#include "codecs/ByteReader.h"

#include <algorithm>
#include <cstring>

std::size_t ByteReader::Read(unsigned char* destination, std::size_t count) {
    const std::size_t take = std::min(count, m_bytes.size() - m_pos);
    if (take != 0) {
        std::memcpy(destination, m_bytes.data() + m_pos, take);
    }
    m_pos += take;
    m_atEnd = m_atEnd || take < count;
    return take;
}

std::uint64_t ByteReader::Skip(std::uint64_t count) {
    const std::uint64_t take = std::min<std::uint64_t>(count, m_bytes.size() - m_pos);
    m_pos += static_cast<std::size_t>(take);
    m_atEnd = m_atEnd || take < count;
    return take;
}
