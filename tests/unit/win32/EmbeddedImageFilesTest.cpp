// The built-in icon and bitmap files taken apart as the system's icon and bitmap calls
// want them, and malformed files refused instead of read past their end.
#include "platform/win32/EmbeddedImageFiles.h"
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint32_t U32(ByteSpan bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(EmbeddedImageFiles, EachIconSizeFindsItsOwnImage) {
    const ByteSpan icon = FindResourceData(ResourceKind::Icon, IDR_MAINFRAME);
    for (int size : {32, 16}) {
        ByteSpan image = FindIconImage(icon, size);
        ASSERT_GE(image.size(), 40u) << size;
        EXPECT_EQ(U32(image, 0), 40u) << "a BITMAPINFOHEADER starts the image";
        EXPECT_EQ(U32(image, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(U32(image, 8), static_cast<std::uint32_t>(2 * size)) << "colours and mask, one above the other";
    }
    EXPECT_EQ(FindIconImage(icon, 48).data(), FindIconImage(icon, 32).data()) << "an absent size takes the first";
}

TEST(EmbeddedImageFiles, AMalformedIconGivesNoImage) {
    std::vector<unsigned char> icon(FindResourceData(ResourceKind::Icon, IDR_MAINFRAME).begin(),
                                    FindResourceData(ResourceKind::Icon, IDR_MAINFRAME).end());
    EXPECT_TRUE(FindIconImage(ByteSpan(icon).first(5), 32).empty());
    EXPECT_TRUE(FindIconImage(ByteSpan(icon).first(30), 32).empty()) << "directory cut short";
    std::vector<unsigned char> cursor = icon;
    cursor[2] = 2;
    EXPECT_TRUE(FindIconImage(cursor, 32).empty()) << "a cursor file";
    std::vector<unsigned char> pastEnd = icon;
    pastEnd[6 + 8] = 0xFF, pastEnd[6 + 9] = 0xFF;  // the first image's size
    EXPECT_TRUE(FindIconImage(pastEnd, 32).empty());
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

TEST(EmbeddedImageFiles, ABitmapFileTooShortForItsRowsIsRefused) {
    const ByteSpan splash = FindResourceData(ResourceKind::Bitmap, IDB_SPLASH);
    EXPECT_FALSE(SplitBitmapFile(splash.first(splash.size() - 1)));
    EXPECT_FALSE(SplitBitmapFile(splash.first(40)));
    std::vector<unsigned char> notBmp(splash.begin(), splash.end());
    notBmp[0] = 'X';
    EXPECT_FALSE(SplitBitmapFile(notBmp));
    std::vector<unsigned char> offsetPastEnd(splash.begin(), splash.end());
    offsetPastEnd[13] = 0x7F;
    EXPECT_FALSE(SplitBitmapFile(offsetPastEnd));
}

}  // namespace
