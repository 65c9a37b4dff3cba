// The current image and the steps that open it: load by the name's type, convert GIF and
// JPEG images into a BMP file beside the source, and read that file back. The main window
// holds the program's current image this way; kaleidra-convert uses the same loaders.
#pragma once

#include "image/ImageFileType.h"

#include <cstdint>
#include <string>

class ImageHolder {
public:
    ImageHolder() = default;
    virtual ~ImageHolder();
    ImageHolder(const ImageHolder&) = delete;
    ImageHolder& operator=(const ImageHolder&) = delete;

    // Replace the current image with the file's content in display order; a failure
    // shows its message and leaves no image. The current path is not changed.
    void LoadBmpImage(std::string path);
    void LoadGifImage(std::string path);
    void LoadJpegImage(std::string path);

    // The load-and-convert step for the current path, by its type; a name that matches no
    // reader leaves the image in memory as it was.
    void LoadAndConvert();

    // A current path not ending in ".bmp" gets ".bmp" appended and the image is written there.
    void ConvertToBmp();
    // Writes the current image as a BMP file and reads it back as the current image.
    void SaveImageAsBmp(std::string path);

    void ReleaseImage();

    unsigned char* m_pImageBits = nullptr;  // display order; null when there is no image
    std::uint32_t m_nImageWidth = 0;
    std::uint32_t m_nImageHeight = 0;
    std::uint32_t m_nPreviewRowBytes = 0;
    std::string m_strImagePath;

protected:
    // The image was rewritten from its BMP file: time to show it.
    virtual void OnImageReloaded() {}
    // A reader succeeded with a remark (the GIF note on non-square pixels); the program
    // shows such remarks only with a failure.
    virtual void OnReaderNote(const std::string&) {}

private:
    void ToDisplayOrder();
};
