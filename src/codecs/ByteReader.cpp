#include "codecs/ByteReader.h"

#include <algorithm>
#include <cstring>

ByteReader::ByteReader(std::FILE* file, std::size_t windowBytes)
    : m_file(file), m_window(std::make_unique_for_overwrite<unsigned char[]>(windowBytes)), m_windowBytes(windowBytes) {}

bool ByteReader::Refill(std::size_t count) {
    const std::size_t kept = m_bytes.size() - m_pos;
    if (m_file == nullptr || kept >= count) {
        return kept != 0;
    }
    if (count > m_windowBytes) {
        auto larger = std::make_unique_for_overwrite<unsigned char[]>(count);
        if (kept != 0) {
            std::memcpy(larger.get(), m_bytes.data() + m_pos, kept);
        }
        m_window = std::move(larger);
        m_windowBytes = count;
    } else if (kept != 0) {
        std::memmove(m_window.get(), m_bytes.data() + m_pos, kept);
    }
    const std::size_t got = std::fread(m_window.get() + kept, 1, m_windowBytes - kept, m_file);
    m_bytes = {m_window.get(), kept + got};
    m_pos = 0;
    return kept + got != 0;
}

std::span<const unsigned char> ByteReader::Take(std::size_t count) {
    Refill(count);
    const std::size_t take = std::min(count, m_bytes.size() - m_pos);
    const std::span<const unsigned char> taken = m_bytes.subspan(m_pos, take);
    m_pos += take;
    m_atEnd = m_atEnd || take < count;
    return taken;
}

std::span<const unsigned char> ByteReader::TakeReady() {
    m_atEnd = m_atEnd || !Refill(1);
    const std::span<const unsigned char> taken = m_bytes.subspan(m_pos);
    m_pos = m_bytes.size();
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
    std::uint64_t skipped = 0;
    do {
        const std::uint64_t take = std::min<std::uint64_t>(count - skipped, m_bytes.size() - m_pos);
        m_pos += static_cast<std::size_t>(take);
        skipped += take;
    } while (skipped < count && Refill(1));
    m_atEnd = m_atEnd || skipped < count;
    return skipped;
}
