// Opens an image file and decodes it with the reader its name calls for.
#pragma once

#include "codecs/CodecResults.h"
#include "codecs/GifFile.h"
#include "codecs/ImageFileType.h"

#include <string>

class ImageFileReader {
public:
    // The image, or the reason there is none; a file that cannot be opened
    // gets its reader's own message. type must not be None.
    DecodedImage Read(const std::string& path, ImageFileType type);

private:
    GifFile m_gif;  // one for every GIF read: a read leaves colours for the next
};

// What the reader of the type says of a file that cannot be opened.
std::string CannotOpenMessage(const std::string& path, ImageFileType type);
