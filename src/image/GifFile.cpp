#include "image/GifFile.h"

#include "image/GifLzwDecoder.h"
#include "image/ImageBuffer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace {

constexpr unsigned char EXTENSION_INTRODUCER = 0x21;
constexpr unsigned char IMAGE_SEPARATOR = 0x2C;
constexpr unsigned char GRAPHIC_CONTROL_LABEL = 0xF9;
constexpr unsigned char COLOR_TABLE_FLAG = 0x80;
constexpr unsigned char INTERLACE_FLAG = 0x40;
constexpr unsigned char SQUARE_PIXEL_ASPECT = 49;

// Kept from one file to the next: a file without colour tables of its own is shown with
// the colours of the last file that had a global table.
GifColorMap g_globalColorMap;

std::uint32_t Word(const unsigned char* bytes) {
    return bytes[0] | (std::uint32_t{bytes[1]} << 8);
}

bool IsKnownVersion(const unsigned char* version) {
    return std::memcmp(version, "87a", 3) == 0 || std::memcmp(version, "89a", 3) == 0;
}

void MapRow(const unsigned char* indices, std::size_t count, const GifColorMap& map, unsigned char* pixels) {
    for (std::size_t i = 0; i < count; ++i, pixels += 3) {
        const unsigned char index = indices[i];
        pixels[0] = map.red[index];
        pixels[1] = map.green[index];
        pixels[2] = map.blue[index];
    }
}

struct Pass {
    std::uint32_t firstRow;
    std::uint32_t rowStep;
};
constexpr Pass SEQUENTIAL[] = {{0, 1}};
constexpr Pass INTERLACED[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

}  // namespace

unsigned char* GifFile::Fail(std::string message) {
    m_strError = std::move(message);
    return nullptr;
}

unsigned char* GifFile::GIFRead(std::string path, std::uint32_t& width, std::uint32_t& height) {
    if (path.empty()) {
        return Fail("No Name Given");
    }
    GifSource file(path);
    if (!file.IsOpen()) {
        return Fail("Cant open GIF :\n" + path);
    }
    unsigned char magic[6];
    if (file.Read(magic, sizeof magic) != sizeof magic) {
        return Fail("Error reading GIF Magic #\n" + path);
    }
    if (std::memcmp(magic, "GIF", 3) != 0) {
        return Fail("Error, " + path + " is not a valid .GIF file");
    }
    if (!IsKnownVersion(magic + 3)) {
        return Fail("Error, Bad GIF Version number");
    }
    // Width (2), height (2), flags, background index, pixel aspect ratio.
    unsigned char screen[7];
    if (file.Read(screen, sizeof screen) != sizeof screen) {
        return Fail("Error, failed to GIF read screen descriptor.\nGiving up");
    }
    if ((screen[4] & COLOR_TABLE_FLAG) != 0 && !ReadColorMap(file, 2 << (screen[4] & 7), g_globalColorMap)) {
        return Fail("Error reading GIF colormap");
    }
    if (screen[6] != 0 && screen[6] != SQUARE_PIXEL_ASPECT) {
        m_strError = "Non-square pixels in GIF image.\nIgnoring that fact...";
    }

    for (;;) {
        int introducer = file.Get();
        if (introducer < 0) {
            return Fail("Unexpected EOF in GIF.\nGiving up");
        }
        if (introducer == IMAGE_SEPARATOR) {
            break;
        }
        if (introducer == EXTENSION_INTRODUCER) {
            int label = file.Get();
            if (label < 0) {
                return Fail("Error on extension read.\nGiving up");
            }
            SkipExtension(file, label);
        }
    }

    // Left (2), top (2), width (2), height (2), flags.
    unsigned char image[9];
    if (file.Read(image, sizeof image) != sizeof image) {
        return Fail("Error on dimension read\nGiving up");
    }
    const std::uint32_t imageWidth = Word(image + 4);
    const std::uint32_t imageHeight = Word(image + 6);
    const unsigned char flags = image[8];
    if (imageWidth == 0 || imageHeight == 0) {
        return Fail("Error, the GIF image has no pixels (width or height is 0).\nGiving up");
    }
    std::unique_ptr<unsigned char[]> bits(AllocateImage(imageWidth, imageHeight));
    if (bits == nullptr) {
        return Fail("Out of Memory in GIFRead");
    }
    // Pixels that the data never reaches stay black.
    std::memset(bits.get(), 0, ImageBytes(imageWidth, imageHeight));

    const bool interlaced = (flags & INTERLACE_FLAG) != 0;
    if ((flags & COLOR_TABLE_FLAG) != 0) {
        GifColorMap localColorMap;
        if (!ReadColorMap(file, 1 << ((flags & 7) + 1), localColorMap)) {
            return Fail("Error reading GIF colormap\nGiving up");
        }
        if (!DecodeImage(file, bits.get(), imageWidth, imageHeight, localColorMap, interlaced)) {
            return Fail("Error reading GIF file\nLocalColorMap\nGiving up");
        }
    } else if (!DecodeImage(file, bits.get(), imageWidth, imageHeight, g_globalColorMap, interlaced)) {
        return Fail("Error reading GIF file\nGIFScreen Colormap\nGiving up");
    }
    width = imageWidth;
    height = imageHeight;
    return bits.release();
}

bool ReadColorMap(GifSource& file, int count, GifColorMap& map) {
    const std::size_t entries = static_cast<std::size_t>(std::clamp(count, 0, 256));
    unsigned char triplets[3 * 256];
    const std::size_t read = file.Read(triplets, 3 * entries);
    for (std::size_t i = 0; i < read / 3; ++i) {
        map.red[i] = triplets[3 * i];
        map.green[i] = triplets[3 * i + 1];
        map.blue[i] = triplets[3 * i + 2];
    }
    return read == 3 * entries;
}

void SkipExtension(GifSource& file, int label) {
    unsigned char block[GifLzwDecoder::MAX_SUB_BLOCK];
    if (label == GRAPHIC_CONTROL_LABEL) {
        // Its block is taken whatever its length, even an empty one.
        ReadSubBlock(file, block);
    }
    while (ReadSubBlock(file, block) > 0) {
    }
}

bool DecodeImage(GifSource& file, unsigned char* buffer, std::uint32_t width, std::uint32_t height,
                 const GifColorMap& map, bool interlaced) {
    const int minCodeSize = file.Get();
    if (minCodeSize < 0) {
        return false;
    }
    LzwNextIndex(file, true, minCodeSize);
    GifLzwDecoder& decoder = SharedGifDecoder();
    std::vector<unsigned char> indices(width);
    const std::size_t rowBytes = std::size_t{width} * 3;
    // Once the data has run out, rows are all of index 0: the first such row is copied.
    const unsigned char* zeroRow = nullptr;
    bool more = true;
    for (const Pass& pass : interlaced ? std::span<const Pass>(INTERLACED) : std::span<const Pass>(SEQUENTIAL)) {
        for (std::uint32_t y = pass.firstRow; more && y < height; y += pass.rowStep) {
            unsigned char* row = buffer + y * rowBytes;
            const bool ranOut = decoder.HasRunOut();
            int end = 0;
            const std::size_t count = decoder.ReadIndices(file, indices.data(), width, end);
            if (ranOut && zeroRow != nullptr) {
                std::memcpy(row, zeroRow, rowBytes);
            } else {
                MapRow(indices.data(), count, map, row);
                zeroRow = ranOut ? row : nullptr;
            }
            more = count == width;
        }
    }
    // Consumes the end code and whatever data follows it.
    LzwNextIndex(file, false, 0);
    return true;
}
