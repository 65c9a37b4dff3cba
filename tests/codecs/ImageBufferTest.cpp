// The orders and row lengths of pixel buffers at their edges: odd heights and widths whose
// rows need padding (sizes beyond the limit are refused in each reader's tests).
#include "codecs/ImageBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(ImageBuffer, DisplayOrderReversesOddHeightsAndPaddedRowsEndInZeros) {
    ImageBuffer image = ImageBuffer::Allocate(1, 3);
    const Bytes readerOrder{1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::copy(readerOrder.begin(), readerOrder.end(), image.Bits());
    ToDisplayOrder(image);
    EXPECT_EQ(Bytes(image.Bits(), image.Bits() + image.Size()), (Bytes{9, 8, 7, 6, 5, 4, 3, 2, 1}));

    EXPECT_EQ(std::vector({PaddedRowBytes(4), PaddedRowBytes(5), PaddedRowBytes(8)}), std::vector<std::size_t>({12, 16, 24}));
    std::uint32_t rowBytes = 0;
    const auto padded = PadRowsTo4Bytes(readerOrder.data(), 1, 2, rowBytes);
    ASSERT_EQ(rowBytes, 4u);
    EXPECT_EQ(Bytes(padded.get(), padded.get() + 8), (Bytes{1, 2, 3, 0, 4, 5, 6, 0}));
}

}  // namespace
