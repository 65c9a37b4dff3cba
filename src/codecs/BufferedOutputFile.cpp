#include "codecs/BufferedOutputFile.h"

#include <new>

namespace {

constexpr std::size_t STREAM_BUFFER_BYTES = std::size_t{1} << 20;

}  // namespace

BufferedOutputFile::BufferedOutputFile(const std::string& path)
    : m_buffer(new (std::nothrow) char[STREAM_BUFFER_BYTES]), m_file(std::fopen(path.c_str(), "wb")) {
    // Without the large buffer stdio's own small one still works, only with more system calls.
    if (m_file != nullptr && m_buffer != nullptr) {
        std::setvbuf(m_file, m_buffer.get(), _IOFBF, STREAM_BUFFER_BYTES);
    }
}

BufferedOutputFile::~BufferedOutputFile() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool BufferedOutputFile::Write(const void* bytes, std::size_t count) {
    return std::fwrite(bytes, 1, count, m_file) == count;
}

bool BufferedOutputFile::Flush() {
    return std::fflush(m_file) == 0;
}
