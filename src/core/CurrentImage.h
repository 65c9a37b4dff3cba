// The current image and the steps that open it: load by the name's type, convert GIF and
// JPEG images into a BMP file beside the source, and read that file back. Each step hands
// back the messages to show, in order; the main window shows them.
#pragma once

#include "codecs/CodecResults.h"
#include "codecs/ImageFileReader.h"
#include "codecs/ImageFileType.h"

#include <cstdint>
#include <string>

class CurrentImage {
public:
    // Replaces the image with the file's content in display order; a failure leaves no
    // image. The current path is not changed.
    CodecMessages Load(const std::string& path, ImageFileType type);

    // The load-and-convert step for the current path, by its type; a name that matches no
    // reader leaves the image in memory as it was.
    CodecMessages LoadAndConvert();

    // A current path not ending in ".bmp" gets ".bmp" appended and the image is written there.
    CodecMessages ConvertToBmp();
    // Writes the image as a BMP file and reads it back as the current image.
    CodecMessages SaveImageAsBmp(const std::string& path);

    void Release() { m_image = ImageBuffer{}; }

    // Display order: bottom row first, blue, green, red; null when there is no image.
    const unsigned char* ImageBits() const { return m_image.Bits(); }
    std::uint32_t ImageWidth() const { return m_image.Width(); }
    std::uint32_t ImageHeight() const { return m_image.Height(); }

    std::string m_strImagePath;
    std::uint32_t m_nPreviewRowBytes = 0;

private:
    ImageBuffer m_image;
    ImageFileReader m_reader;
};
