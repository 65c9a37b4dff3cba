#include "image/BufferedFile.h"

#include <algorithm>
#include <array>
#include <new>

namespace {

constexpr std::size_t STREAM_BUFFER_BYTES = std::size_t{1} << 20;

}  // namespace

BufferedFile::BufferedFile(const std::string& path, const char* mode)
    : m_buffer(new (std::nothrow) char[STREAM_BUFFER_BYTES]), m_file(std::fopen(path.c_str(), mode)) {
    // Without the large buffer stdio's own small one still works, only with more system calls.
    if (m_file != nullptr && m_buffer != nullptr) {
        std::setvbuf(m_file, m_buffer.get(), _IOFBF, STREAM_BUFFER_BYTES);
    }
}

BufferedFile::~BufferedFile() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

std::size_t BufferedFile::Read(void* bytes, std::size_t count) {
    if (m_atEnd || count == 0) {
        return 0;
    }
    const std::size_t got = std::fread(bytes, 1, count, m_file);
    m_atEnd = got < count;
    return got;
}

std::uint64_t BufferedFile::Skip(std::uint64_t count) {
    std::array<unsigned char, 4096> scratch;
    std::uint64_t skipped = 0;
    while (skipped < count && !m_atEnd) {
        skipped += Read(scratch.data(), static_cast<std::size_t>(std::min<std::uint64_t>(count - skipped, scratch.size())));
    }
    return skipped;
}

bool BufferedFile::Write(const void* bytes, std::size_t count) {
    return std::fwrite(bytes, 1, count, m_file) == count;
}

bool BufferedFile::Flush() {
    return std::fflush(m_file) == 0;
}
