// The JPEG reader: libjpeg decodes, this drives it and shows every problem in its own
// message boxes.
#pragma once

#include <cstdint>
#include <string>

class JpegFile {
public:
    // A new buffer of width x height x 3 bytes in reader order (released with delete[]), or
    // null once the failure has been shown. width and height are 0 until decompression has
    // started, and the output size from then on.
    static unsigned char* Load(std::string path, std::uint32_t& width, std::uint32_t& height);
};
