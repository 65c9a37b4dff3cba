#include "codecs/GifFile.h"

#include "codecs/ByteReader.h"
#include "codecs/GifLzwDecoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr unsigned char EXTENSION_INTRODUCER = 0x21;
constexpr unsigned char IMAGE_SEPARATOR = 0x2C;
constexpr unsigned char GRAPHIC_CONTROL_LABEL = 0xF9;
constexpr unsigned char COLOR_TABLE_FLAG = 0x80;
constexpr unsigned char INTERLACE_FLAG = 0x40;
constexpr unsigned char SQUARE_PIXEL_ASPECT = 49;

std::uint32_t Word(const unsigned char* bytes) {
    return bytes[0] | (std::uint32_t{bytes[1]} << 8);
}

bool IsKnownVersion(const unsigned char* version) {
    return std::memcmp(version, "87a", 3) == 0 || std::memcmp(version, "89a", 3) == 0;
}

static_assert(std::endian::native == std::endian::little, "a packed colour's low byte goes first");

// A pixel goes out in one four-byte store; the spare byte lands on the next pixel, which
// overwrites it. The last pixel of the row goes byte by byte.
void MapRow(const unsigned char* indices, std::size_t count, const GifColorMap& colours, unsigned char* pixels) {
    if (count == 0) {
        return;
    }
    for (std::size_t i = 0; i + 1 < count; ++i, pixels += 3) {
        std::memcpy(pixels, &colours[indices[i]], 4);
    }
    const std::uint32_t last = colours[indices[count - 1]];
    pixels[0] = static_cast<unsigned char>(last);
    pixels[1] = static_cast<unsigned char>(last >> 8);
    pixels[2] = static_cast<unsigned char>(last >> 16);
}

struct Pass {
    std::uint32_t firstRow;
    std::uint32_t rowStep;
};
constexpr Pass SEQUENTIAL[] = {{0, 1}};
constexpr Pass INTERLACED[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

// One read of a file, part by part in the file's order; each part is false once the read
// has failed, with the reason kept.
class GifReader {
public:
    GifReader(ByteReader& file, std::string_view name, GifColorMap& globalColorMap, GifLzwDecoder& decoder)
        : m_file(file), m_name(name), m_globalColorMap(globalColorMap), m_decoder(decoder) {}

    DecodedImage Read();

private:
    bool ReadSignature();
    bool ReadScreen();
    bool SkipExtensions();
    bool ReadImageDescriptor();
    bool ReadColorMapsAndImage();
    // Reads count (at most 256) red, green, blue triplets into entries 0 onward. False as
    // soon as a triplet cannot be read whole; the triplets before it are kept.
    bool ReadColorMap(int count, GifColorMap& map);
    void SkipExtension(int label);
    // False only when the code size byte is missing; data that ends early leaves the
    // pixels after it as they were (or index 0 where the data simply ran out).
    bool DecodeImage(const GifColorMap& map);
    bool Fail(std::string message);

    ByteReader& m_file;
    std::string_view m_name;
    GifColorMap& m_globalColorMap;
    GifLzwDecoder& m_decoder;
    std::string m_failure;
    bool m_squarePixels = true;
    unsigned char m_imageFlags = 0;
    ImageBuffer m_image;
};

DecodedImage GifReader::Read() {
    if (!ReadSignature() || !ReadScreen() || !SkipExtensions() || !ReadImageDescriptor() ||
        !ReadColorMapsAndImage()) {
        return ReadFailure(std::move(m_failure));
    }
    DecodedImage read{std::move(m_image), {}};
    if (!m_squarePixels) {
        read.messages.push_back({"Non-square pixels in GIF image.\nIgnoring that fact...", MessageStyle::Remark});
    }
    return read;
}

bool GifReader::ReadSignature() {
    unsigned char magic[6];
    if (m_file.Read(magic, sizeof magic) != sizeof magic) {
        return Fail("Error reading GIF Magic #\n" + std::string(m_name));
    }
    if (std::memcmp(magic, "GIF", 3) != 0) {
        return Fail("Error, " + std::string(m_name) + " is not a valid .GIF file");
    }
    return IsKnownVersion(magic + 3) || Fail("Error, Bad GIF Version number");
}

bool GifReader::ReadScreen() {
    // Width (2), height (2), flags, background index, pixel aspect ratio.
    unsigned char screen[7];
    if (m_file.Read(screen, sizeof screen) != sizeof screen) {
        return Fail("Error, failed to GIF read screen descriptor.\nGiving up");
    }
    if ((screen[4] & COLOR_TABLE_FLAG) != 0 && !ReadColorMap(2 << (screen[4] & 7), m_globalColorMap)) {
        return Fail("Error reading GIF colormap");
    }
    m_squarePixels = screen[6] == 0 || screen[6] == SQUARE_PIXEL_ASPECT;
    return true;
}

// Up to the first image; bytes that introduce neither an image nor an extension are passed over.
bool GifReader::SkipExtensions() {
    for (;;) {
        const int introducer = m_file.Get();
        if (introducer < 0) {
            return Fail("Unexpected EOF in GIF.\nGiving up");
        }
        if (introducer == IMAGE_SEPARATOR) {
            return true;
        }
        if (introducer == EXTENSION_INTRODUCER) {
            const int label = m_file.Get();
            if (label < 0) {
                return Fail("Error on extension read.\nGiving up");
            }
            SkipExtension(label);
        }
    }
}

bool GifReader::ReadImageDescriptor() {
    // Left (2), top (2), width (2), height (2), flags.
    unsigned char descriptor[9];
    if (m_file.Read(descriptor, sizeof descriptor) != sizeof descriptor) {
        return Fail("Error on dimension read\nGiving up");
    }
    const std::uint32_t width = Word(descriptor + 4);
    const std::uint32_t height = Word(descriptor + 6);
    m_imageFlags = descriptor[8];
    if (width == 0 || height == 0) {
        return Fail("Error, the GIF image has no pixels (width or height is 0).\nGiving up");
    }
    m_image = ImageBuffer::Allocate(width, height);
    if (m_image.Empty()) {
        return Fail("Out of Memory in GIFRead");
    }
    return true;
}

bool GifReader::ReadColorMapsAndImage() {
    if ((m_imageFlags & COLOR_TABLE_FLAG) == 0) {
        return DecodeImage(m_globalColorMap) || Fail("Error reading GIF file\nGIFScreen Colormap\nGiving up");
    }
    GifColorMap localColorMap{};
    if (!ReadColorMap(1 << ((m_imageFlags & 7) + 1), localColorMap)) {
        return Fail("Error reading GIF colormap\nGiving up");
    }
    return DecodeImage(localColorMap) || Fail("Error reading GIF file\nLocalColorMap\nGiving up");
}

bool GifReader::ReadColorMap(int count, GifColorMap& map) {
    const std::size_t entries = static_cast<std::size_t>(std::clamp(count, 0, 256));
    unsigned char triplets[3 * 256];
    const std::size_t read = m_file.Read(triplets, 3 * entries);
    for (std::size_t i = 0; i < read / 3; ++i) {
        const unsigned char* rgb = &triplets[3 * i];
        map[i] = rgb[2] | std::uint32_t{rgb[1]} << 8 | std::uint32_t{rgb[0]} << 16;
    }
    return read == 3 * entries;
}

void GifReader::SkipExtension(int label) {
    unsigned char block[GifLzwDecoder::MAX_SUB_BLOCK];
    if (label == GRAPHIC_CONTROL_LABEL) {
        // Its block is taken whatever its length, even an empty one.
        m_decoder.ReadSubBlock(m_file, block);
    }
    while (m_decoder.ReadSubBlock(m_file, block) > 0) {
    }
}

bool GifReader::DecodeImage(const GifColorMap& map) {
    const int minCodeSize = m_file.Get();
    if (minCodeSize < 0) {
        return false;
    }
    m_decoder.Init(minCodeSize);
    const std::uint32_t width = m_image.Width();
    const std::uint32_t height = m_image.Height();
    std::vector<unsigned char> indices(width);
    const std::size_t rowBytes = std::size_t{width} * 3;
    // Once the data has run out, rows are all of index 0: the first such row is copied.
    const unsigned char* zeroRow = nullptr;
    bool more = true;
    const bool interlaced = (m_imageFlags & INTERLACE_FLAG) != 0;
    for (const Pass& pass : interlaced ? std::span<const Pass>(INTERLACED) : std::span<const Pass>(SEQUENTIAL)) {
        for (std::uint32_t y = pass.firstRow; y < height; y += pass.rowStep) {
            unsigned char* row = m_image.RowFromTop(y);
            std::size_t count = 0;
            if (more) {
                const bool ranOut = m_decoder.HasRunOut();
                int end = 0;
                count = m_decoder.ReadIndices(m_file, indices.data(), width, end);
                if (ranOut && zeroRow != nullptr) {
                    std::memcpy(row, zeroRow, rowBytes);
                } else {
                    MapRow(indices.data(), count, map, row);
                    zeroRow = ranOut ? row : nullptr;
                }
                more = count == width;
            }
            // Pixels that the data never reaches stay black.
            std::memset(row + count * 3, 0, rowBytes - count * 3);
        }
    }
    // Consumes the end code and whatever data follows it.
    m_decoder.NextIndex(m_file);
    return true;
}

bool GifReader::Fail(std::string message) {
    m_failure = std::move(message);
    return false;
}

}  // namespace

GifFile::GifFile() : m_decoder(std::make_unique<GifLzwDecoder>()) {}

GifFile::~GifFile() = default;

DecodedImage GifFile::GIFRead(ByteReader& file, std::string_view name) {
    return GifReader(file, name, m_globalColorMap, *m_decoder).Read();
}
