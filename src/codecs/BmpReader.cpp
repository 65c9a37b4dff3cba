#include "codecs/BmpReader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr std::size_t FILE_HEADER_BYTES = 14;
constexpr std::size_t HEADER_BYTES = 54;
// Where each header field after the signature ends: a header cut off inside a field has
// been read up to that field's end, the failed attempt included.
constexpr std::array<std::size_t, 15> FIELD_ENDS{6, 8, 10, 14, 18, 22, 26, 28, 30, 34, 38, 42, 46, 50, 54};

std::uint16_t Le16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Le32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

bool IsDecodedDepth(std::uint16_t bitsPerPixel) {
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24;
}

// Rows placed straight where the image holds them.
class ImageRows final : public BmpReader::RowTarget {
public:
    ImageRows(ImageBuffer& image, bool topDown) : m_image(image), m_topDown(topDown) {}
    unsigned char* Row(std::uint32_t fileRow) override {
        return m_topDown ? m_image.RowFromTop(fileRow) : m_image.RowFromTop(m_image.Height() - 1 - fileRow);
    }
    void Filled(std::uint32_t) override {}
    // In the image the rows lie together, in one order or the other.
    void Black(std::uint32_t first, std::uint32_t count) override {
        const std::size_t rowBytes = std::size_t{m_image.Width()} * 3;
        const std::uint32_t lowest = m_topDown ? m_image.Height() - first - count : first;
        std::memset(m_image.Bits() + lowest * rowBytes, 0, count * rowBytes);
    }

private:
    ImageBuffer& m_image;
    bool m_topDown;
};

}  // namespace

ImageBuffer BmpReader::Read() {
    return ReadToPixels() ? ReadImage() : ImageBuffer{};
}

ImageBuffer BmpReader::ReadImage() {
    ImageBuffer image = ImageBuffer::Allocate(m_width, m_height);
    if (image.Empty()) {
        Fail("Memory alloc Failed");
        return {};
    }
    ImageRows rows(image, m_topDown);
    return ReadRows(rows) ? std::move(image) : ImageBuffer{};
}

bool BmpReader::ReadToPixels() {
    return ReadHeader() && CheckFormat() && ReadColourTable() && SkipToPixels();
}

bool BmpReader::ReadHeader() {
    std::array<unsigned char, HEADER_BYTES> header;
    const std::size_t got = m_file.Read(header.data(), header.size());
    if (got < 2) {
        m_position = static_cast<std::int64_t>(got) + 1;
        return Fail("Read Error!");
    }
    m_position = 2;
    if (header[0] != 'B' || header[1] != 'M') {
        return Fail("Not a valid BMP File");
    }
    if (got < HEADER_BYTES) {
        m_position = static_cast<std::int64_t>(*std::upper_bound(FIELD_ENDS.begin(), FIELD_ENDS.end(), got));
        return Fail("Read Error!");
    }
    m_position = HEADER_BYTES;
    m_pixelOffset = Le32(&header[10]);
    m_infoHeaderSize = Le32(&header[14]);
    m_fileWidth = static_cast<std::int32_t>(Le32(&header[18]));
    m_fileHeight = static_cast<std::int32_t>(Le32(&header[22]));
    m_bitsPerPixel = Le16(&header[28]);
    m_compression = Le32(&header[30]);
    m_coloursUsed = Le32(&header[46]);
    return true;
}

bool BmpReader::CheckFormat() {
    if (m_compression != 0) {
        return Fail("This is a compressed file.");
    }
    if (!IsDecodedDepth(m_bitsPerPixel)) {
        return Fail("This BMP file has " + std::to_string(m_bitsPerPixel) +
                    " bits per pixel, which Kaleidra can't read.");
    }
    if (m_fileWidth <= 0 || m_fileHeight == 0) {
        return Fail("This BMP file is " + std::to_string(m_fileWidth) + " x " + std::to_string(m_fileHeight) +
                    " pixels, which Kaleidra can't show.");
    }
    // A negative height marks a file whose rows run top-down.
    m_topDown = m_fileHeight < 0;
    m_width = static_cast<std::uint32_t>(m_fileWidth);
    m_height = static_cast<std::uint32_t>(m_topDown ? -std::int64_t{m_fileHeight} : m_fileHeight);
    m_packedRowBytes = (std::size_t{m_width} * m_bitsPerPixel + 7) / 8;
    m_paddingBytes = (4 - m_packedRowBytes % 4) % 4;
    return true;
}

bool BmpReader::ReadColourTable() {
    if (m_bitsPerPixel == 24) {
        return true;
    }
    // Indices reach 2^bits entries at most: further entries are read past, and the slots
    // of entries the file does not have stay black.
    const std::size_t slots = std::size_t{1} << m_bitsPerPixel;
    const std::uint64_t entries = m_coloursUsed != 0 ? m_coloursUsed : slots;
    const std::size_t kept = static_cast<std::size_t>(std::min<std::uint64_t>(entries, slots));
    m_table.reset(new (std::nothrow) Rgb[slots]());
    if (m_table == nullptr) {
        return Fail("Out of memory");
    }
    SkipLongerInfoHeader();
    std::array<unsigned char, 4 * 256> bytes;
    const std::size_t got = m_file.Read(bytes.data(), kept * 4);
    for (std::size_t entry = 0; entry < got / 4; ++entry) {
        const unsigned char* blueGreenRed = &bytes[entry * 4];
        m_table[entry] = {blueGreenRed[2], blueGreenRed[1], blueGreenRed[0]};
    }
    const std::uint64_t arrived = got + m_file.Skip((entries - kept) * 4);
    m_position += static_cast<std::int64_t>(arrived);
    if (arrived < entries * 4) {
        ++m_position;
        return Fail("Read Error!");
    }
    return true;
}

// Files written today mostly carry a longer information header (108 or 124 bytes); their
// colour table follows that header, not the first 40 bytes of it.
void BmpReader::SkipLongerInfoHeader() {
    const std::uint64_t tableStart = FILE_HEADER_BYTES + std::uint64_t{m_infoHeaderSize};
    if (m_infoHeaderSize > HEADER_BYTES - FILE_HEADER_BYTES && tableStart <= m_pixelOffset) {
        m_position += static_cast<std::int64_t>(m_file.Skip(tableStart - HEADER_BYTES));
    }
}

bool BmpReader::SkipToPixels() {
    if (m_position > std::int64_t{m_pixelOffset}) {
        return Fail("Corrupt palette");
    }
    // The bytes up to the pixel data are not checked: a file cut off here reads on as
    // far as its rows allow.
    m_file.Skip(static_cast<std::uint64_t>(m_pixelOffset - m_position));
    m_position = m_pixelOffset;
    return true;
}

bool BmpReader::ReadRows(RowTarget& target) {
    for (std::uint32_t row = 0; row < m_height; ++row) {
        if (m_bitsPerPixel == 24 && m_paddingBytes == 0 && m_file.AtEnd()) {
            // Nothing more arrives: the rest stays black at once, however many rows the
            // header promised.
            target.Black(row, m_height - row);
            m_position += static_cast<std::int64_t>(std::size_t{m_height - row} * m_packedRowBytes);
            return true;
        }
        if (!ReadPixelRow(target.Row(row)) || !ReadPadding()) {
            return false;
        }
        target.Filled(row);
    }
    return true;
}

bool BmpReader::ReadPixelRow(unsigned char* row) {
    const std::span<const unsigned char> packed = m_file.Take(m_packedRowBytes);
    if (m_bitsPerPixel == 24) {
        // The file's own order: only whole pixels are taken.
        std::memcpy(row, packed.data(), packed.size() / 3 * 3);
    } else if (packed.size() == m_packedRowBytes) {
        DecodeIndices(packed.data(), packed.size(), row);
    }
    if (packed.size() < m_packedRowBytes) {
        return EndRowEarly(row, packed.size());
    }
    m_position += static_cast<std::int64_t>(m_packedRowBytes);
    return true;
}

bool BmpReader::EndRowEarly(unsigned char* row, std::size_t arrived) {
    if (m_bitsPerPixel != 24) {
        m_position += static_cast<std::int64_t>(arrived) + 1;
        return Fail("Read Error");
    }
    // A pixel that did not arrive whole is not written: it stays black, and the row
    // counts in full all the same.
    const std::size_t whole = arrived / 3 * 3;
    std::memset(row + whole, 0, m_packedRowBytes - whole);
    m_position += static_cast<std::int64_t>(m_packedRowBytes);
    return true;
}

void BmpReader::DecodeIndices(const unsigned char* bytes, std::size_t count, unsigned char* row) const {
    const int bits = m_bitsPerPixel;
    const unsigned mask = (1u << bits) - 1;
    unsigned char* out = row;
    unsigned char* const end = row + std::size_t{m_width} * 3;
    for (std::size_t i = 0; i < count; ++i) {
        // The leftmost pixel sits in the most significant bits.
        for (int shift = 8 - bits; shift >= 0 && out != end; shift -= bits, out += 3) {
            const Rgb& colour = m_table[(bytes[i] >> shift) & mask];
            out[0] = colour.blue;
            out[1] = colour.green;
            out[2] = colour.red;
        }
    }
}

bool BmpReader::ReadPadding() {
    std::array<unsigned char, 3> filler;
    const std::size_t got = m_file.Read(filler.data(), m_paddingBytes);
    m_position += static_cast<std::int64_t>(got);
    if (got < m_paddingBytes) {
        ++m_position;
        return Fail("Read Error");
    }
    return true;
}

bool BmpReader::Fail(std::string message) {
    m_error = std::move(message);
    return false;
}
