// Loads each input as a BMP file; an image that loads is saved and must load back the same.
#include "image/BmpFile.h"
#include "image/ImageBuffer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

// Saving and reloading huge images would only slow the search down.
constexpr std::size_t ROUND_TRIP_LIMIT = std::size_t{16} << 20;

// Each run writes its files afresh: ext4 flushes a file rewritten in place when it is
// closed, which would slow every run down to the disk's pace.
std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / ("kaleidra-fuzz-bmp-" + std::to_string(::getpid()) + name))
        .string();
}

void CheckRoundTrip(unsigned char* bits, std::uint32_t width, std::uint32_t height) {
    static const std::string savedPath = TempPath("-saved.bmp");
    SwapRedBlue(bits, width, height);
    FlipRowsVertically(bits, std::size_t{width} * 3, height);
    std::remove(savedPath.c_str());
    BmpFile writer;
    writer.Save(savedPath, bits, width, height);
    BmpFile reader;
    std::uint32_t loadedWidth = 0;
    std::uint32_t loadedHeight = 0;
    std::unique_ptr<unsigned char[]> loaded(reader.Load(savedPath, loadedWidth, loadedHeight));
    if (writer.m_strError != "OK" || loaded == nullptr || loadedWidth != width || loadedHeight != height) {
        std::abort();
    }
    SwapRedBlue(loaded.get(), width, height);
    FlipRowsVertically(loaded.get(), std::size_t{width} * 3, height);
    if (std::memcmp(loaded.get(), bits, ImageBytes(width, height)) != 0) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string inputPath = TempPath("-input.bmp");
    std::remove(inputPath.c_str());
    std::FILE* file = std::fopen(inputPath.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    BmpFile bmp;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::unique_ptr<unsigned char[]> bits(bmp.Load(inputPath, width, height));
    if (bits != nullptr && ImageBytes(width, height) <= ROUND_TRIP_LIMIT) {
        CheckRoundTrip(bits.get(), width, height);
    }
    return 0;
}
