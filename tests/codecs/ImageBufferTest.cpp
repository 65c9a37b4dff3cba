// The preview's copy of an image whose rows need padding (the end-to-end preview's rows do
// not; the display order and the BMP rows are checked through kaleidra-convert).
#include "codecs/ImageBuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(ImageBuffer, PaddedRowsEndInZeros) {
    const Bytes twoRows{1, 2, 3, 4, 5, 6};
    std::uint32_t rowBytes = 0;
    const auto padded = PadRowsTo4Bytes(twoRows.data(), 1, 2, rowBytes);
    ASSERT_EQ(rowBytes, 4u);
    EXPECT_EQ(Bytes(padded.get(), padded.get() + 8), (Bytes{1, 2, 3, 0, 4, 5, 6, 0}));
}

}  // namespace
