// The GIF reader: the first image of a GIF file (87a or 89a) as a 24-bit image.
#pragma once

#include "codecs/ByteReader.h"
#include "codecs/CodecResults.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class GifLzwDecoder;

// 256 colours, each kept as its bytes in an image (blue, green, red, lowest first) and a spare
// byte above them, so that a pixel goes out in one four-byte store. Entries a file does not
// give stay black.
using GifColorMap = std::array<std::uint32_t, 256>;

// One reader serves a run of files, and a read leaves something for the next: a file
// without colour tables of its own is shown with the colours of the last file that had a
// global table, and the decoder's string table carries over (see GifLzwDecoder).
class GifFile {
public:
    GifFile();
    ~GifFile();
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    // The first image of the file, or the reason it has none. name is the file's name, for
    // the messages. A read that goes well may bring a remark.
    DecodedImage GIFRead(ByteReader& file, std::string_view name);

private:
    GifColorMap m_globalColorMap{};
    std::unique_ptr<GifLzwDecoder> m_decoder;  // large: kept off the stack
};
