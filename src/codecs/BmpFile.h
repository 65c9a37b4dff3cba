// Reads BMP files (1, 4, 8 and 24 bits per pixel, uncompressed) and writes images as
// 24-bit BMP files.
#pragma once

#include "codecs/ByteReader.h"
#include "codecs/CodecResults.h"

#include <cstdint>
#include <optional>
#include <string>

class BmpFile {
public:
    // The file's image, or the reason it has none.
    DecodedImage Load(ByteReader& file);

    // Writes the image as a 24-bit bottom-up file at path; what went wrong, if anything.
    static std::optional<CodecMessage> Save(const std::string& path, const ImageBuffer& image);

    // How far the last Load got in the file: every read attempt counts, even one that failed.
    std::int32_t m_nBytesRead = 0;
};
