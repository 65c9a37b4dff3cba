// Reading the built-in .ico and .bmp files the way the system's icon and bitmap calls
// want them: one icon image out of the icon file's directory, and a bitmap file split
// into its info header (with colour table) and its pixels.
#pragma once

#include <optional>
#include <span>

using ByteSpan = std::span<const unsigned char>;

// The image (its BITMAPINFOHEADER, colours, XOR and AND masks) of the directory entry
// whose width is size pixels, else the smallest wider one, else the widest; empty when
// the file is malformed.
ByteSpan FindIconImage(ByteSpan iconFile, int size);

struct BitmapFileParts {
    ByteSpan info;  // BITMAPINFOHEADER and colour table
    ByteSpan bits;
};
std::optional<BitmapFileParts> SplitBitmapFile(ByteSpan bitmapFile);
