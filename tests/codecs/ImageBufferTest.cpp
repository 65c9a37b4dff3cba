// The edges of the pixel buffers: odd and empty heights, null buffers, padded rows and
// sizes beyond the limit (the usual orders are seen in the scenarios of opening images).
#include "codecs/ImageBuffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(ImageBuffer, FlipHandlesOddAndEmptyHeights) {
    Bytes bits{1, 2, 3};
    EXPECT_TRUE(FlipRowsVertically(bits.data(), 1, 3));
    EXPECT_EQ(bits, (Bytes{3, 2, 1}));
    EXPECT_TRUE(FlipRowsVertically(bits.data(), 1, 1));
    EXPECT_TRUE(FlipRowsVertically(bits.data(), 1, 0));
    EXPECT_EQ(bits, (Bytes{3, 2, 1}));
}

TEST(ImageBuffer, NullBuffersAreRefused) {
    std::uint32_t rowBytes = 99;
    EXPECT_FALSE(SwapRedBlue(nullptr, 1, 1));
    EXPECT_FALSE(FlipRowsVertically(nullptr, 3, 1));
    EXPECT_EQ(PadRowsTo4Bytes(nullptr, 1, 1, rowBytes), nullptr);
    EXPECT_EQ(rowBytes, 99u);
}

TEST(ImageBuffer, RowsArePaddedToFourBytes) {
    EXPECT_EQ(PaddedRowBytes(1), 4u);
    EXPECT_EQ(PaddedRowBytes(4), 12u);
    EXPECT_EQ(PaddedRowBytes(5), 16u);
    EXPECT_EQ(PaddedRowBytes(8), 24u);
    Bytes bits{1, 2, 3, 4, 5, 6};
    std::uint32_t rowBytes = 0;
    const std::unique_ptr<unsigned char[]> padded = PadRowsTo4Bytes(bits.data(), 1, 2, rowBytes);
    ASSERT_EQ(rowBytes, 4u);
    EXPECT_EQ(Bytes(padded.get(), padded.get() + 8), (Bytes{1, 2, 3, 0, 4, 5, 6, 0}));
}

TEST(ImageBuffer, ImagesBeyondTheLimitAreNotAllocated) {
    EXPECT_EQ(ImageBytes(65535, 65535), 0u);
    EXPECT_EQ(ImageBytes(0xFFFFFFFF, 0xFFFFFFFF), 0u);
    EXPECT_TRUE(ImageBuffer::Allocate(0xFFFFFFFF, 3).Empty());
    EXPECT_EQ(ImageBytes(6000, 4000), 72000000u);
    EXPECT_FALSE(ImageBuffer::Allocate(0, 7).Empty());
}

}  // namespace
