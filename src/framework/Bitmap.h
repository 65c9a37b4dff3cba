// CBitmap: a bitmap of the program's resources, a device-independent BMP file kept as
// built in. Painting stretches it onto a window (CPaintDC::StretchBlt).
#pragma once

#include "framework/WinTypes.h"

#include <span>

class CBitmap {
public:
    BOOL LoadBitmapA(UINT nIDResource);
    // Width, height and depth of the loaded bitmap; 0 when none is loaded.
    int GetBitmap(BITMAP* info) const;
    BOOL DeleteObject();

    // The whole BMP file; empty when none is loaded.
    std::span<const unsigned char> FileBytes() const { return m_file; }

private:
    std::span<const unsigned char> m_file;
};
