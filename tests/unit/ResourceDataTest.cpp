// The icon and splash picture as built in: the headers every host's loader relies on.
#include "resources/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::span<const unsigned char>;

std::uint32_t U16(Bytes bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t U32(Bytes bytes, std::size_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

TEST(ResourceData, IconHasA32And16PixelImageOf16ColoursWithAMask) {
    const Bytes icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    ASSERT_GE(icon.size(), 6u + 2 * 16u);
    EXPECT_EQ(U16(icon, 0), 0u);  // reserved
    EXPECT_EQ(U16(icon, 2), 1u);  // type: icon
    ASSERT_EQ(U16(icon, 4), 2u);  // image count
    for (std::uint32_t i = 0; i < 2; ++i) {
        const std::uint32_t size = i == 0 ? 32 : 16;
        SCOPED_TRACE(size);
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(icon[entry], size);           // width
        EXPECT_EQ(icon[entry + 1], size);       // height
        EXPECT_EQ(icon[entry + 2], 16);         // colours
        EXPECT_EQ(U16(icon, entry + 6), 4u);    // bits per pixel
        const std::uint32_t length = U32(icon, entry + 8);
        const std::uint32_t offset = U32(icon, entry + 12);
        ASSERT_LE(offset + length, icon.size());
        // The image's own header counts the colour rows and the AND mask as one double height.
        EXPECT_EQ(U32(icon, offset), 40u);
        EXPECT_EQ(U32(icon, offset + 4), size);
        EXPECT_EQ(U32(icon, offset + 8), 2 * size);
        EXPECT_EQ(U16(icon, offset + 14), 4u);
        const std::uint32_t colourRow = (size * 4 + 31) / 32 * 4;
        const std::uint32_t maskRow = (size + 31) / 32 * 4;
        ASSERT_EQ(length, 40 + 16 * 4 + (colourRow + maskRow) * size);
        // The mask's rows run bottom up: the corner shows the desktop, the centre is drawn.
        const Bytes mask = icon.subspan(offset + 40 + 16 * 4 + colourRow * size);
        EXPECT_TRUE(mask[0] & 0x80);
        EXPECT_FALSE(mask[maskRow * size / 2 + size / 16] & (0x80 >> (size / 2 % 8)));
    }
}

TEST(ResourceData, SplashIsA257By265BottomUp256ColourBitmapOnWhite) {
    const Bytes bmp = FindResourceData(ResourceKind::Bitmap, IDB_SPLASH);
    ASSERT_GE(bmp.size(), 14u + 40u + 256 * 4);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), bmp.size());  // file size
    const std::uint32_t bitsOffset = U32(bmp, 10);
    EXPECT_EQ(U32(bmp, 14), 40u);   // header size
    EXPECT_EQ(U32(bmp, 18), 257u);  // width
    EXPECT_EQ(U32(bmp, 22), 265u);  // height, positive: bottom row first
    EXPECT_EQ(U16(bmp, 28), 8u);    // bits per pixel
    EXPECT_EQ(U32(bmp, 30), 0u);    // uncompressed
    ASSERT_EQ(bitsOffset + 260u * 265u, bmp.size());
    // It sits on the window's white face: the corner pixel is white.
    const std::size_t corner = 54 + 4 * bmp[bitsOffset];
    ASSERT_LT(corner, bitsOffset);
    EXPECT_EQ(U32(bmp, corner), 0x00FFFFFFu);
}

std::vector<unsigned char> SourceFile(const std::string& name) {
    std::ifstream file(std::string(KALEIDRA_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(ResourceData, EmbeddedBytesAreTheFilesBytes) {
    const Bytes icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    const Bytes bmp = FindResourceData(ResourceKind::Bitmap, IDB_SPLASH);
    const std::vector<unsigned char> iconFile = SourceFile("kaleidra.ico");
    const std::vector<unsigned char> bmpFile = SourceFile("splash.bmp");
    ASSERT_FALSE(iconFile.empty());
    EXPECT_TRUE(std::ranges::equal(icon, iconFile));
    EXPECT_TRUE(std::ranges::equal(bmp, bmpFile));
}

TEST(ResourceData, UnknownKindsAndIdsHaveNoData) {
    EXPECT_TRUE(FindResourceData(ResourceKind::Bitmap, IDR_MAINFRAME).empty());
    EXPECT_TRUE(FindResourceData(ResourceKind::Icon, IDB_SPLASH).empty());
    EXPECT_TRUE(FindResourceData(ResourceKind::Bitmap, 0).empty());
}

}  // namespace
