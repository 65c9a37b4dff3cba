// The built-in icon file taken apart as the system's icon calls want it; the splash bitmap
// is seen drawn in every Windows end-to-end run.
#include "platform/win32/EmbeddedImageFiles.h"
#include "framework/ResourceData.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

std::uint32_t U32(ByteSpan bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
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
    for (auto [size, taken] : {std::pair{24, 32}, {8, 16}, {48, 32}}) {
        EXPECT_EQ(FindIconImage(icon, size).data(), FindIconImage(icon, taken).data()) << size;
    }
}

}  // namespace
