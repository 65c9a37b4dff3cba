#include "codecs/ImageFileType.h"

#include <cctype>
#include <string>

namespace {

// The last four characters in upper case, as Windows compares names; nothing for shorter names.
std::string UpperExtension(std::string_view path) {
    if (path.size() < 4) {
        return {};
    }
    std::string extension(path.substr(path.size() - 4));
    for (char& c : extension) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return extension;
}

}  // namespace

bool HasBmpExtension(std::string_view path) {
    return UpperExtension(path) == ".BMP";
}

ImageFileType ImageFileTypeOf(std::string_view path) {
    const std::string extension = UpperExtension(path);
    if (extension == ".JPG") {
        return ImageFileType::Jpeg;
    }
    if (extension == ".GIF") {
        return ImageFileType::Gif;
    }
    return extension == ".BMP" ? ImageFileType::Bmp : ImageFileType::None;
}
