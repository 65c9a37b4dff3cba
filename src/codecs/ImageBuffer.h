// 24-bit pixel buffers, bottom row first and each pixel blue, green, red: the order of a
// bottom-up device-independent bitmap without its row padding. Readers decode straight into
// it, so what they produce is shown and written as it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The largest image the program takes on: larger ones are refused as if memory had run out.
inline constexpr std::size_t MAX_IMAGE_BYTES = std::size_t{1} << 30;

// The byte count of a width x height x 3 buffer, or 0 when it is beyond MAX_IMAGE_BYTES.
std::size_t ImageBytes(std::uint32_t width, std::uint32_t height);

// An image's pixels with its size; empty (no pixels at all) when there is no image.
class ImageBuffer {
public:
    ImageBuffer() = default;

    // width x height x 3 bytes, not yet written; empty when the image is too large or
    // memory has run out. A size of 0 still gives an image.
    static ImageBuffer Allocate(std::uint32_t width, std::uint32_t height);

    bool Empty() const { return m_bits == nullptr; }
    unsigned char* Bits() { return m_bits.get(); }
    const unsigned char* Bits() const { return m_bits.get(); }
    std::uint32_t Width() const { return m_width; }
    std::uint32_t Height() const { return m_height; }
    std::size_t Size() const { return std::size_t{m_width} * m_height * 3; }
    // Row y counted from the top of the picture, as decoders meet the rows.
    unsigned char* RowFromTop(std::uint32_t y) { return m_bits.get() + std::size_t{m_height - 1 - y} * m_width * 3; }
    const unsigned char* RowFromTop(std::uint32_t y) const { return const_cast<ImageBuffer*>(this)->RowFromTop(y); }

private:
    struct FreeBits {
        std::size_t alignment;
        void operator()(unsigned char* bits) const;
    };

    std::unique_ptr<unsigned char[], FreeBits> m_bits;
    std::uint32_t m_width = 0;
    std::uint32_t m_height = 0;
};

// A copy with every row padded to a multiple of 4 bytes; its row length goes to rowBytes.
// Null, rowBytes untouched, when memory has run out.
std::unique_ptr<unsigned char[]> PadRowsTo4Bytes(const unsigned char* bits, std::uint32_t width,
                                                 std::uint32_t height, std::uint32_t& rowBytes);

// The row length of a 24-bit bitmap: width x 3 rounded up to a multiple of 4.
constexpr std::size_t PaddedRowBytes(std::uint32_t width) {
    return ((std::size_t{width} * 24 + 31) / 32) * 4;
}
