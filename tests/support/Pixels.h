// A decoded image as reference tools print it: top row first, red, green, blue.
#pragma once

#include "codecs/ImageBuffer.h"
#include "support/Bytes.h"

inline Bytes TopDownRgb(const ImageBuffer& image) {
    Bytes pixels;
    for (std::uint32_t y = 0; !image.Empty() && y < image.Height(); ++y) {
        const unsigned char* row = image.RowFromTop(y);
        for (std::size_t x = 0; x < std::size_t{image.Width()} * 3; x += 3) {
            pixels.insert(pixels.end(), {row[x + 2], row[x + 1], row[x]});
        }
    }
    return pixels;
}
