#include "codecs/BmpFile.h"

#include "codecs/BmpReader.h"
#include "files/FileReplacer.h"

#include <array>
#include <utility>

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

// Rows go bottom-up as the image holds them: in one write when they need no padding.
bool WriteRows(files::FileReplacer& file, const ImageBuffer& image, std::size_t rowBytes) {
    static constexpr std::array<unsigned char, 3> FILLER{};
    const std::size_t packed = std::size_t{image.Width()} * 3;
    if (packed == rowBytes) {
        return file.Write(image.Bits(), image.Size()) && file.Commit();
    }
    for (std::uint32_t row = 0; row < image.Height(); ++row) {
        if (!file.Write(image.Bits() + row * packed, packed)) {
            return false;
        }
        file.Write(FILLER.data(), rowBytes - packed);
    }
    // The last rows may still sit in the buffer: a full disk shows only now.
    return file.Commit();
}

}  // namespace

DecodedImage BmpFile::Load(std::span<const unsigned char> file) {
    ByteReader bytes(file);
    BmpReader reader(bytes);
    ImageBuffer image = reader.Read();
    m_nBytesRead = static_cast<std::int32_t>(reader.BytesRead());
    return image.Empty() ? ReadFailure(reader.Error()) : DecodedImage{std::move(image), {}};
}

std::optional<CodecMessage> BmpFile::Save(const std::string& path, const ImageBuffer& image) {
    const std::size_t rowBytes = PaddedRowBytes(image.Width());
    // Made beside the image it comes from, perhaps in a folder others write to: a link
    // planted at the name is replaced, never written through.
    files::FileReplacer file(path, files::Links::Replace);
    if (!file.IsOpen()) {
        return CodecMessage{"Can't open file for writing", MessageStyle::Stop};
    }
    // Not checked: a header that cannot be written fails the rows or the flush after it.
    const auto header = SaveHeader(image.Width(), image.Height(), rowBytes);
    file.Write(header.data(), header.size());
    if (!WriteRows(file, image, rowBytes)) {
        return CodecMessage{"fwrite error\nGiving up", MessageStyle::Stop};
    }
    return std::nullopt;
}
