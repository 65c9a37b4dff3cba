#include "codecs/ImageFileReader.h"

#include "codecs/BmpFile.h"
#include "codecs/JpegFile.h"
#include "files/RegularFile.h"

#include <new>

std::string CannotOpenMessage(const std::string& path, ImageFileType type) {
    switch (type) {
    case ImageFileType::Jpeg:
        return "JPEG :\nCan't open " + path + "\n";
    case ImageFileType::Gif:
        return "Cant open GIF :\n" + path;
    default:
        return "Can't open file for reading :\n" + path;
    }
}

DecodedImage ImageFileReader::Read(const std::string& path, ImageFileType type) {
    const files::FilePtr file = files::OpenRegular(path, files::Access::Read);
    if (file == nullptr) {
        return ReadFailure(CannotOpenMessage(path, type));
    }
    try {
        ByteReader bytes(file.get(), WINDOW_BYTES);
        switch (type) {
        case ImageFileType::Jpeg:
            return JpegFile::Load(bytes);
        case ImageFileType::Gif:
            return m_gif.GIFRead(bytes, path);
        default:
            return BmpFile().Load(bytes);
        }
    } catch (const std::bad_alloc&) {
        return ReadFailure(CannotOpenMessage(path, type));
    }
}
