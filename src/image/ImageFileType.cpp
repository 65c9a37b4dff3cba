#include "image/ImageFileType.h"

#include "common/NoCase.h"

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
