// The icon and splash picture as built in: the headers every host's loader relies on.
#include "framework/ResourceData.h"
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

std::uint32_t U16(Bytes bytes, std::size_t at) { return bytes[at] | bytes[at + 1] << 8; }
std::uint32_t U32(Bytes bytes, std::size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

std::vector<unsigned char> SourceFile(const std::string& name) {
    std::ifstream file(std::string(KALEIDRA_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(ResourceData, EachIdFindsItsFilesBytesAndNoOtherKind) {
    EXPECT_TRUE(std::ranges::equal(FindResourceData(ResourceKind::Icon, IDR_MAINFRAME), SourceFile("kaleidra.ico")));
    EXPECT_TRUE(std::ranges::equal(FindResourceData(ResourceKind::Bitmap, IDB_SPLASH), SourceFile("splash.bmp")));
    EXPECT_TRUE(std::ranges::equal(FindResourceData(ResourceKind::Bitmap, IDB_LIST_HEADING), SourceFile("listhead.bmp")));
    EXPECT_TRUE(
        std::ranges::equal(FindResourceData(ResourceKind::Bitmap, IDB_ABOUT_BACKGROUND), SourceFile("bricks.bmp")));
    EXPECT_TRUE(FindResourceData(ResourceKind::Bitmap, IDR_MAINFRAME).empty());
    EXPECT_TRUE(FindResourceData(ResourceKind::Icon, IDB_SPLASH).empty());
}

TEST(ResourceData, TheIconHoldsA32And16PixelImageOf16ColoursWithAMask) {
    const Bytes icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    ASSERT_GE(icon.size(), 6u + 2 * 16u);
    EXPECT_EQ(U32(icon, 0), 0x10000u);  // reserved 0, type 1: icon
    ASSERT_EQ(U16(icon, 4), 2u);        // image count
    for (std::uint32_t size : {32u, 16u}) {
        const Bytes entry = icon.subspan(size == 32 ? 6 : 22);
        EXPECT_EQ(U32(entry, 0), size | size << 8 | 16 << 16) << size;  // width, height, colours
        // A 40-byte header, 16 colours, 4-bit colour rows, then the mask's rows of 4 bytes.
        const std::uint32_t offset = U32(entry, 12);
        ASSERT_EQ(U32(entry, 8), 40 + 16 * 4 + (size / 2 + 4) * size);
        ASSERT_LE(offset + U32(entry, 8), icon.size());
        // The image's own header counts the colour rows and the mask as one double height.
        EXPECT_EQ(U32(icon, offset + 8), 2 * size);
        // The mask's rows run bottom up: the corner shows the desktop, the centre is drawn.
        const Bytes mask = icon.subspan(offset + 40 + 16 * 4 + size / 2 * size);
        EXPECT_TRUE(mask[0] & 0x80);
        EXPECT_FALSE(mask[4 * size / 2 + size / 16] & 0x80);
    }
}

// Each picture is drawn on or in pale colours: its first pixel's palette entry has no
// channel below 0xD0.
TEST(ResourceData, TheBitmapsAreBottomUp256ColourPicturesOfTheirSizes) {
    struct Picture {
        UINT id;
        std::uint32_t width, height;
    };
    for (const Picture& picture : {Picture{IDB_SPLASH, 257, 265}, Picture{IDB_LIST_HEADING, 230, 30},
                                   Picture{IDB_ABOUT_BACKGROUND, 303, 203}}) {
        SCOPED_TRACE(picture.id);
        const Bytes bmp = FindResourceData(ResourceKind::Bitmap, picture.id);
        ASSERT_GE(bmp.size(), 54u + 256 * 4);
        EXPECT_EQ(U16(bmp, 0), 0x4D42u);     // "BM"
        EXPECT_EQ(U32(bmp, 2), bmp.size());  // file size
        EXPECT_EQ(U32(bmp, 18), picture.width);
        EXPECT_EQ(U32(bmp, 22), picture.height);  // positive: bottom row first
        EXPECT_EQ(U16(bmp, 28), 8u);              // bits per pixel
        EXPECT_EQ(U32(bmp, 30), 0u);              // uncompressed
        const std::uint32_t bits = U32(bmp, 10);
        ASSERT_EQ(bits + (picture.width + 3) / 4 * 4 * picture.height, bmp.size());  // rows padded to 4 bytes
        const std::size_t entry = 54 + 4 * bmp[bits];
        EXPECT_GE(std::min({bmp[entry], bmp[entry + 1], bmp[entry + 2]}), 0xD0);
    }
}

}  // namespace
