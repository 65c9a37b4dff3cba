// The JPEG reader: libjpeg decodes, this drives it and gathers the library's messages.
#pragma once

#include "codecs/CodecResults.h"

#include <span>

class JpegFile {
public:
    // The file's image, with the library's warnings; or no image, with the
    // warnings and the failure.
    static DecodedImage Load(std::span<const unsigned char> file);
};
