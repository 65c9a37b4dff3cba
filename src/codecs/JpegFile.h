// The JPEG reader: libjpeg decodes, this drives it and gathers the library's messages.
#pragma once

#include "codecs/ByteReader.h"
#include "codecs/CodecResults.h"

class JpegFile {
public:
    // The file's image, with the library's warnings; or no image, with the
    // warnings and the failure.
    static DecodedImage Load(ByteReader& file);
};
