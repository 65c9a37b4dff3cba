// The GIF reader: the first image of a GIF file (87a or 89a) as a new 24-bit buffer in
// reader order (top row first, red, green, blue).
#pragma once

#include "image/GifSource.h"

#include <array>
#include <cstdint>
#include <string>

// Three planes of 256 entries: red, green, blue.
struct GifColorMap {
    std::array<unsigned char, 256> red{};
    std::array<unsigned char, 256> green{};
    std::array<unsigned char, 256> blue{};
};

class GifFile {
public:
    // A new buffer of width x height x 3 bytes (released with delete[]) holding the
    // first image, with width and height stored; or null, with the reason in m_strError.
    // A successful read may leave a note in m_strError.
    unsigned char* GIFRead(std::string path, std::uint32_t& width, std::uint32_t& height);

    std::string m_strError = "No Error";

private:
    unsigned char* Fail(std::string message);
};

// Reads count (at most 256) red, green, blue triplets into entries 0 onward. False as
// soon as a triplet cannot be read whole; the triplets before it are kept.
bool ReadColorMap(GifSource& file, int count, GifColorMap& map);

// Consumes the sub-blocks of one extension.
void SkipExtension(GifSource& file, int label);

// Decodes the image data into buffer through map, in interlace order if asked. False
// only when the code size byte is missing; data that ends early leaves the pixels after
// it as they were (or index 0 where the data simply ran out).
bool DecodeImage(GifSource& file, unsigned char* buffer, std::uint32_t width, std::uint32_t height,
                 const GifColorMap& map, bool interlaced);
