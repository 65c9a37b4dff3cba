#include "image/ImageFileType.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithNoCase(std::string_view path, std::string_view extension) {
    std::string_view tail = path.substr(path.size() - std::min(path.size(), extension.size()));
    return std::equal(tail.begin(), tail.end(), extension.begin(), extension.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
    });
}

}  // namespace

bool HasBmpExtension(std::string_view path) {
    return EndsWithNoCase(path, ".BMP");
}

ImageFileType ImageFileTypeOf(std::string_view path) {
    if (EndsWithNoCase(path, ".JPG")) {
        return ImageFileType::Jpeg;
    }
    if (EndsWithNoCase(path, ".GIF")) {
        return ImageFileType::Gif;
    }
    return HasBmpExtension(path) ? ImageFileType::Bmp : ImageFileType::None;
}
