// Opens an image file and decodes it with the reader its name calls for.
#pragma once

#include "codecs/CodecResults.h"
#include "codecs/GifFile.h"
#include "codecs/ImageFileType.h"

#include <cstddef>
#include <string>

class ImageFileReader {
public:
    // The image, or the reason there is none; a file that cannot be opened
    // gets its reader's own message. type must not be None.
    DecodedImage Read(const std::string& path, ImageFileType type);

private:
    GifFile m_gif;  // one for every GIF read: a read leaves colours for the next
};

// How much of a file is read at a time: reads this large run at the disk's pace, and a larger
// window's every page would be one more page fault for each file.
inline constexpr std::size_t WINDOW_BYTES = std::size_t{128} << 10;

// What the reader of the type says of a file that cannot be opened, or not read for want of memory.
std::string CannotOpenMessage(const std::string& path, ImageFileType type);
