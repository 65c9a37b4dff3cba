// Fuzz target for the GIF reader. The reader takes a path, so the input becomes a file
// (one per process, as fuzzing jobs may run side by side). The same bytes, read as LZW
// data, must also decode alike one index at a time and in bulk.
#include "image/GifFile.h"
#include "image/GifLzwDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void CompareDecodings(const std::string& path, int minCodeSize, std::size_t chunk) {
    GifSource one(path);
    GifSource bulk(path);
    auto single = std::make_unique<GifLzwDecoder>();
    auto many = std::make_unique<GifLzwDecoder>();
    single->Init(minCodeSize);
    many->Init(minCodeSize);
    std::vector<unsigned char> indices(chunk);
    int end = 0;
    for (int rounds = 0; rounds < 64 && end == 0; ++rounds) {
        const std::size_t count = many->ReadIndices(bulk, indices.data(), chunk, end);
        for (std::size_t i = 0; i < count; ++i) {
            const int index = single->NextIndex(one);
            if (index < 0 || indices[i] != (index & 0xFF)) {
                __builtin_trap();
            }
        }
        if (end != 0 && single->NextIndex(one) != end) {
            __builtin_trap();
        }
    }
    if (many->NextIndex(bulk) != single->NextIndex(one)) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("kaleidra-fuzz-gif-" + std::to_string(getpid()) + ".gif")).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    GifFile gif;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::unique_ptr<unsigned char[]> bits(gif.GIFRead(path, width, height));
    if (bits != nullptr && width != 0 && height != 0) {
        // The whole buffer is there to be read.
        volatile unsigned char last = bits[std::size_t{width} * height * 3 - 1];
        (void)last;
    }
    if (size > 2) {
        CompareDecodings(path, data[0] % 13, 1 + data[1] % 64);
    }
    return 0;
}
