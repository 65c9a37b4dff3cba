// The built-in icon and bitmap files taken apart as the system's icon and bitmap calls
// want them, and malformed files refused instead of read past their end.
#include "platform/win32/EmbeddedImageFiles.h"
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t U32(ByteSpan bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

Bytes Changed(ByteSpan file, std::size_t at, unsigned char value) {
    Bytes copy(file.begin(), file.end());
    copy[at] = value;
    return copy;
}

// 16 colours, 4-bit rows, then the mask's rows, bottom up: the corner shows the desktop,
// the centre is drawn.
TEST(EmbeddedImageFiles, EachIconSizeFindsItsOwnImageWithItsMask) {
    const ByteSpan icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    for (std::uint32_t size : {32u, 16u}) {
        ByteSpan image = FindIconImage(icon, static_cast<int>(size));
        ASSERT_EQ(image.size(), 40 + 16 * 4 + (size / 2 + 4) * size) << size;
        EXPECT_EQ(U32(image, 4), size);
        EXPECT_EQ(U32(image, 8), 2 * size) << "colours and mask, one above the other";
        const ByteSpan mask = image.subspan(40 + 16 * 4 + size / 2 * size);
        EXPECT_TRUE(mask[0] & 0x80);
        EXPECT_FALSE(mask[4 * size / 2 + size / 16] & 0x80);
    }
    EXPECT_EQ(FindIconImage(icon, 48).data(), FindIconImage(icon, 32).data()) << "an absent size takes the first";
}

TEST(EmbeddedImageFiles, TheSplashSplitsIntoHeaderAndPixels) {
    const ByteSpan splash = FindResourceData(ResourceKind::Bitmap, IDB_SPLASH);
    std::optional<BitmapFileParts> parts = SplitBitmapFile(splash);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(parts->info.data(), splash.data() + 14);
    EXPECT_EQ(U32(parts->info, 0), 40u);
    EXPECT_EQ(parts->bits.data(), splash.data() + U32(splash, 10));
    EXPECT_EQ(parts->bits.data() + parts->bits.size(), splash.data() + splash.size());
}

TEST(EmbeddedImageFiles, MalformedFilesGiveNothing) {
    const ByteSpan icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    const ByteSpan splash = FindResourceData(ResourceKind::Bitmap, IDB_SPLASH);
    const Bytes icons[] = {
        Bytes(icon.begin(), icon.begin() + 5),
        Bytes(icon.begin(), icon.begin() + 30),  // directory cut short
        Changed(icon, 2, 2),                     // a cursor file
        Changed(icon, 6 + 9, 0xFF),              // the first image's size past the end
    };
    for (const Bytes& file : icons) {
        EXPECT_TRUE(FindIconImage(file, 32).empty()) << file.size();
    }
    const Bytes bitmaps[] = {
        Bytes(splash.begin(), splash.end() - 1),
        Bytes(splash.begin(), splash.begin() + 40),
        Changed(splash, 0, 'X'),
        Changed(splash, 13, 0x7F),  // pixels past the end
    };
    for (const Bytes& file : bitmaps) {
        EXPECT_FALSE(SplitBitmapFile(file)) << file.size();
    }
}

}  // namespace
