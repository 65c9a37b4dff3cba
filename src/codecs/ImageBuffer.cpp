#include "codecs/ImageBuffer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

// Linux only: Windows' large pages need a privilege users do not hold.
void PreferHugePages([[maybe_unused]] void* bits, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__)
    constexpr std::size_t WORTH_IT = std::size_t{4} << 20;
    constexpr std::uintptr_t PAGE = 4096;
    const auto start = (reinterpret_cast<std::uintptr_t>(bits) + PAGE - 1) & ~(PAGE - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(bits) + bytes) & ~(PAGE - 1);
    if (bytes >= WORTH_IT) {
        const int error = errno;
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
        errno = error;
    }
#endif
}

std::size_t ImageBytes(std::uint32_t width, std::uint32_t height) {
    // Two 32-bit factors and 3 fit a 64-bit product only when checked step by step.
    std::size_t pixels = std::size_t{width} * height;
    if (height != 0 && pixels / height != width) {
        return 0;
    }
    return pixels <= MAX_IMAGE_BYTES / 3 ? pixels * 3 : 0;
}

ImageBuffer ImageBuffer::Allocate(std::uint32_t width, std::uint32_t height) {
    const std::size_t bytes = ImageBytes(width, height);
    ImageBuffer image;
    if (bytes == 0 && width != 0 && height != 0) {
        return image;
    }
    // Not cleared: every reader writes or clears each pixel itself, and large images are common.
    image.m_bits.reset(new (std::nothrow) unsigned char[bytes]);
    if (image.m_bits != nullptr) {
        PreferHugePages(image.m_bits.get(), bytes);
        image.m_width = width;
        image.m_height = height;
    }
    return image;
}

std::unique_ptr<unsigned char[]> PadRowsTo4Bytes(const unsigned char* bits, std::uint32_t width,
                                                 std::uint32_t height, std::uint32_t& rowBytes) {
    const std::size_t padded = PaddedRowBytes(width);
    const std::size_t packed = std::size_t{width} * 3;
    std::unique_ptr<unsigned char[]> copy(new (std::nothrow) unsigned char[padded * height]);
    if (copy == nullptr) {
        return nullptr;
    }
    for (std::uint32_t row = 0; row < height; ++row) {
        std::memcpy(copy.get() + row * padded, bits + row * packed, packed);
        std::memset(copy.get() + row * padded + packed, 0, padded - packed);
    }
    rowBytes = static_cast<std::uint32_t>(padded);
    return copy;
}
