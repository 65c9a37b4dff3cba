#include "image/BmpFile.h"

#include "image/BmpReader.h"
#include "image/BufferedFile.h"
#include "image/ImageBuffer.h"

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
std::array<unsigned char, HEADER_BYTES> SaveHeader(std::uint32_t width, std::uint32_t height, std::size_t rowBytes) {
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

bool WriteRows(BufferedFile& file, const unsigned char* pixels, std::uint32_t width, std::uint32_t height,
               std::size_t rowBytes) {
    static constexpr std::array<unsigned char, 3> FILLER{};
    const std::size_t packed = std::size_t{width} * 3;
    for (std::uint32_t row = 0; row < height; ++row) {
        if (!file.Write(pixels + row * packed, packed)) {
            return false;
        }
        file.Write(FILLER.data(), rowBytes - packed);
    }
    // The last rows may still sit in the buffer: a full disk shows only now.
    return file.Flush();
}

}  // namespace

BmpFile::BmpFile() : m_strError("OK") {}

unsigned char* BmpFile::Load(std::string path, std::uint32_t& width, std::uint32_t& height) {
    width = 0;
    height = 0;
    m_strError = "OK";
    m_nBytesRead = 0;
    BufferedFile file(path, "rb");
    if (!file.IsOpen()) {
        m_strError = "Can't open file for reading :\n" + path;
        return nullptr;
    }
    BmpReader reader(file);
    unsigned char* bits = reader.Read(width, height);
    m_nBytesRead = static_cast<std::int32_t>(reader.BytesRead());
    if (bits == nullptr) {
        m_strError = reader.Error();
    }
    return bits;
}

void BmpFile::Save(std::string path, const unsigned char* pixels, std::uint32_t width, std::uint32_t height) {
    m_strError = "OK";
    const std::size_t rowBytes = PaddedRowBytes(width);
    BufferedFile file(path, "wb");
    if (!file.IsOpen()) {
        m_strError = "Can't open file for writing";
        return;
    }
    // Not checked: a header that cannot be written fails the rows or the flush after it.
    const auto header = SaveHeader(width, height, rowBytes);
    file.Write(header.data(), header.size());
    if (!WriteRows(file, pixels, width, height, rowBytes)) {
        m_strError = "fwrite error\nGiving up";
    }
}
