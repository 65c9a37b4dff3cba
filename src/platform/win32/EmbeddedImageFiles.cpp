#include "platform/win32/EmbeddedImageFiles.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t ICON_DIRECTORY_BYTES = 6;
constexpr std::size_t ICON_ENTRY_BYTES = 16;
constexpr std::size_t BITMAP_FILE_HEADER_BYTES = 14;
constexpr std::uint32_t BITMAP_INFO_HEADER_BYTES = 40;

std::uint32_t U16(ByteSpan bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t U32(ByteSpan bytes, std::size_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

// The bytes [offset, offset + size) when the file holds them all.
ByteSpan Slice(ByteSpan file, std::uint32_t offset, std::uint32_t size) {
    if (offset > file.size() || size > file.size() - offset) {
        return {};
    }
    return file.subspan(offset, size);
}

}  // namespace

ByteSpan FindIconImage(ByteSpan iconFile, int size) {
    if (iconFile.size() < ICON_DIRECTORY_BYTES || U16(iconFile, 2) != 1) {
        return {};
    }
    const std::uint32_t count = U16(iconFile, 4);
    if (count == 0 || iconFile.size() < ICON_DIRECTORY_BYTES + count * ICON_ENTRY_BYTES) {
        return {};
    }
    // Scaled down, an image keeps its lines; scaled up, it blurs.
    std::size_t chosen = 0;
    int chosenWidth = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = ICON_DIRECTORY_BYTES + i * ICON_ENTRY_BYTES;
        const int width = iconFile[entry] == 0 ? 256 : iconFile[entry];
        const bool fitsBetter = chosenWidth < size ? width > chosenWidth : width >= size && width < chosenWidth;
        if (fitsBetter) {
            chosen = entry;
            chosenWidth = width;
        }
    }
    return Slice(iconFile, U32(iconFile, chosen + 12), U32(iconFile, chosen + 8));
}

std::optional<BitmapFileParts> SplitBitmapFile(ByteSpan bitmapFile) {
    if (bitmapFile.size() < BITMAP_FILE_HEADER_BYTES + BITMAP_INFO_HEADER_BYTES || bitmapFile[0] != 'B' ||
        bitmapFile[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t bitsOffset = U32(bitmapFile, 10);
    if (bitsOffset < BITMAP_FILE_HEADER_BYTES + BITMAP_INFO_HEADER_BYTES || bitsOffset >= bitmapFile.size() ||
        U32(bitmapFile, BITMAP_FILE_HEADER_BYTES) < BITMAP_INFO_HEADER_BYTES) {
        return std::nullopt;
    }
    // The system reads every row the header announces.
    const auto width = static_cast<std::int32_t>(U32(bitmapFile, 18));
    const auto height = static_cast<std::int32_t>(U32(bitmapFile, 22));
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width < 0 ? 0 : width) * U16(bitmapFile, 28) + 31) / 32 * 4;
    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (rowBytes * rows > bitmapFile.size() - bitsOffset) {
        return std::nullopt;
    }
    return BitmapFileParts{bitmapFile.subspan(BITMAP_FILE_HEADER_BYTES, bitsOffset - BITMAP_FILE_HEADER_BYTES),
                           bitmapFile.subspan(bitsOffset)};
}
