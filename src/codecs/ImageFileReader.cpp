#include "codecs/ImageFileReader.h"

#include "codecs/BmpFile.h"
#include "codecs/FileBytes.h"
#include "codecs/JpegFile.h"

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
    const auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return ReadFailure(CannotOpenMessage(path, type));
    }
    switch (type) {
    case ImageFileType::Jpeg:
        return JpegFile::Load(*bytes);
    case ImageFileType::Gif:
        return m_gif.GIFRead(*bytes, path);
    default:
        return BmpFile().Load(*bytes);
    }
}
