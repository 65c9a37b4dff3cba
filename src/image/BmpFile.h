// Reads BMP files (1, 4, 8 and 24 bits per pixel, uncompressed) into reader order and
// writes display-order buffers as 24-bit BMP files. The outcome of each operation is a
// message text: "OK", or what went wrong.
#pragma once

#include <cstdint>
#include <string>

class BmpFile {
public:
    BmpFile();

    // A new buffer (released with delete[]) in reader order, or null with the reason in
    // m_strError. width and height stay 0 unless the file got as far as its pixel data.
    unsigned char* Load(std::string path, std::uint32_t& width, std::uint32_t& height);

    // Writes width x height display-order pixels as a 24-bit bottom-up file at path.
    void Save(std::string path, const unsigned char* pixels, std::uint32_t width, std::uint32_t height);

    std::string m_strError;
    // How far Load got in the file: every read attempt counts, even one that failed.
    std::int32_t m_nBytesRead = 0;
};
