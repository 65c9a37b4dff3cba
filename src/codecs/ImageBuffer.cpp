#include "codecs/ImageBuffer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

// Linux backs a large buffer with 2 MiB pages when asked: filling one 4 KiB page fault by page
// fault took as long as decoding a large JPEG. Only whole 2 MiB stretches can be so backed, so
// such a buffer starts on one and is rounded up to one. Windows' large pages need a privilege
// users do not hold.
#if defined(__linux__)
constexpr std::size_t HUGE_PAGE_BYTES = std::size_t{2} << 20;
constexpr std::size_t WORTH_HUGE_PAGES = std::size_t{4} << 20;
#else
constexpr std::size_t HUGE_PAGE_BYTES = 0;
constexpr std::size_t WORTH_HUGE_PAGES = SIZE_MAX;
#endif

std::size_t AlignmentFor(std::size_t bytes) {
    return bytes >= WORTH_HUGE_PAGES ? HUGE_PAGE_BYTES : __STDCPP_DEFAULT_NEW_ALIGNMENT__;
}

// Only a hint: a refusal changes nothing.
void PreferHugePages([[maybe_unused]] void* bits, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__)
    const int error = errno;
    ::madvise(bits, bytes, MADV_HUGEPAGE);
    errno = error;
#endif
}

}  // namespace

void ImageBuffer::FreeBits::operator()(unsigned char* bits) const {
    ::operator delete[](bits, std::align_val_t{alignment});
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
    const std::size_t alignment = AlignmentFor(bytes);
    const std::size_t rounded = (bytes + alignment - 1) / alignment * alignment;
    image.m_bits = {static_cast<unsigned char*>(::operator new[](rounded, std::align_val_t{alignment}, std::nothrow)),
                    FreeBits{alignment}};
    if (image.m_bits != nullptr) {
        if (alignment == HUGE_PAGE_BYTES) {
            PreferHugePages(image.m_bits.get(), rounded);
        }
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
