// Reads each input as a GIF file. The same bytes, read as LZW data, must also decode alike
// one index at a time and in bulk.
#include "FuzzInput.h"
#include "codecs/GifFile.h"
#include "codecs/GifLzwDecoder.h"

#include <memory>
#include <vector>

namespace {

void CompareDecodings(std::span<const unsigned char> data, std::size_t chunk) {
    auto single = std::make_unique<GifLzwDecoder>();
    auto many = std::make_unique<GifLzwDecoder>();
    // Two images on the same decoders, as what one leaves in the tables counts in the next.
    const std::size_t half = data.size() / 2;
    for (const std::span<const unsigned char> image : {data.first(half), data.subspan(half)}) {
        ByteReader one(image);
        ByteReader bulk(image);
        single->Init(image[0] % 13);
        many->Init(image[0] % 13);
        std::vector<unsigned char> indices(chunk);
        int end = 0;
        for (int rounds = 0; rounds < 64 && end == 0; ++rounds) {
            const std::size_t count = many->ReadIndices(bulk, indices.data(), chunk, end);
            for (std::size_t i = 0; i < count; ++i) {
                const int index = single->NextIndex(one);
                Require(index >= 0 && indices[i] == (index & 0xFF));
            }
            Require(end == 0 || single->NextIndex(one) == end);
        }
        Require(many->NextIndex(bulk) == single->NextIndex(one));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static GifFile reader;  // as in the program, one reader serves every file
    ByteReader bytes({data, size});
    const DecodedImage decoded = reader.GIFRead(bytes, "input.gif");
    if (!decoded.image.Empty()) {
        [[maybe_unused]] volatile unsigned char last = decoded.image.Bits()[decoded.image.Size() - 1];  // all there
    }
    if (size > 2) {
        CompareDecodings({data, size}, 1 + data[1] % 64);
    }
    return 0;
}
