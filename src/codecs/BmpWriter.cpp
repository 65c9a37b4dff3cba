#include "codecs/BmpWriter.h"

#include "codecs/ImageBuffer.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t HEADER_BYTES = 54;

void PutLe16(unsigned char* bytes, std::uint16_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

void PutLe32(unsigned char* bytes, std::uint32_t value) {
    PutLe16(bytes, static_cast<std::uint16_t>(value));
    PutLe16(bytes + 2, static_cast<std::uint16_t>(value >> 16));
}

// File header and 40-byte information header of a 24-bit bottom-up file; fields not set
// here stay 0.
std::array<unsigned char, HEADER_BYTES> Header(std::uint32_t width, std::uint32_t height, std::size_t rowBytes) {
    std::array<unsigned char, HEADER_BYTES> header{'B', 'M'};
    PutLe32(&header[2], static_cast<std::uint32_t>(height * rowBytes + HEADER_BYTES));
    PutLe32(&header[10], HEADER_BYTES);
    PutLe32(&header[14], 40);
    PutLe32(&header[18], width);
    PutLe32(&header[22], height);
    PutLe16(&header[26], 1);
    PutLe16(&header[28], 24);
    return header;
}

}  // namespace

BmpWriter::BmpWriter(const std::string& path, std::uint32_t width, std::uint32_t height)
    : m_file(path, files::Links::Replace),
      m_opened(m_file.IsOpen()),
      m_packedBytes(std::size_t{width} * 3),
      m_rowBytes(PaddedRowBytes(width)) {
    const auto header = Header(width, height, m_rowBytes);
    Write(header.data(), header.size());
}

void BmpWriter::Write(const unsigned char* bytes, std::size_t count) {
    m_failed = m_failed || !m_file.Write(bytes, count);
}

// Rows that need no padding go in one write.
bool BmpWriter::Put(const unsigned char* rows, std::uint32_t count) {
    static constexpr std::array<unsigned char, 3> FILLER{};
    if (m_packedBytes == m_rowBytes) {
        Write(rows, count * m_packedBytes);
        return !m_failed;
    }
    for (std::uint32_t row = 0; row < count; ++row) {
        Write(rows + row * m_packedBytes, m_packedBytes);
        Write(FILLER.data(), m_rowBytes - m_packedBytes);
    }
    return !m_failed;
}

bool BmpWriter::PutBlack(std::uint32_t count) {
    static constexpr std::array<unsigned char, std::size_t{64} << 10> ZEROS{};
    for (std::uint64_t left = std::uint64_t{count} * m_rowBytes; left != 0 && !m_failed;) {
        const std::size_t part = static_cast<std::size_t>(std::min<std::uint64_t>(left, ZEROS.size()));
        Write(ZEROS.data(), part);
        left -= part;
    }
    return !m_failed;
}

std::optional<CodecMessage> BmpWriter::Finish() {
    if (!m_opened) {
        return CodecMessage{"Can't open file for writing", MessageStyle::Stop};
    }
    // The last rows may still sit in the buffer: a full disk shows only now.
    if (m_failed || !m_file.Commit()) {
        return CodecMessage{"fwrite error\nGiving up", MessageStyle::Stop};
    }
    return std::nullopt;
}
