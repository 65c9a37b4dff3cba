// Which reader opens a file: decided by the last four characters of its name alone.
#pragma once

#include <string_view>

enum class ImageFileType { None, Jpeg, Gif, Bmp };

// ".JPG", ".GIF" or ".BMP" in any case; ".jpeg" and everything else is None.
ImageFileType ImageFileTypeOf(std::string_view path);

// True when the name ends in ".BMP" in any case.
bool HasBmpExtension(std::string_view path);
