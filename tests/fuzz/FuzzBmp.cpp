// Loads each input as a BMP file; an image that loads is saved and must load back the same.
#include "FuzzInput.h"
#include "image/BmpFile.h"
#include "image/ImageBuffer.h"

#include <algorithm>
#include <memory>
#include <vector>

// Saving and reloading huge images would only slow the search down.
constexpr std::size_t ROUND_TRIP_LIMIT = std::size_t{16} << 20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzFile input("-input.bmp");
    static const FuzzFile saved("-saved.bmp");
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::unique_ptr<unsigned char[]> bits(BmpFile().Load(input.Write(data, size), width, height));
    if (bits == nullptr || ImageBytes(width, height) > ROUND_TRIP_LIMIT) {
        return 0;
    }
    const std::vector<unsigned char> read(bits.get(), bits.get() + ImageBytes(width, height));
    SwapRedBlue(bits.get(), width, height);  // to display order, as the program saves it
    FlipRowsVertically(bits.get(), std::size_t{width} * 3, height);
    BmpFile writer;
    writer.Save(saved.Fresh(), bits.get(), width, height);
    std::uint32_t loadedWidth = 0;
    std::uint32_t loadedHeight = 0;
    std::unique_ptr<unsigned char[]> loaded(BmpFile().Load(saved.path, loadedWidth, loadedHeight));
    Require(writer.m_strError == "OK" && loaded != nullptr && loadedWidth == width && loadedHeight == height);
    Require(std::equal(read.begin(), read.end(), loaded.get()));
    return 0;
}
