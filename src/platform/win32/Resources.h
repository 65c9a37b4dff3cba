// Native icons, bitmaps and menus made from the program's built-in files and templates.
#pragma once

#include "framework/WinTypes.h"

#include <optional>
#include <span>
#include <vector>

namespace win32 {

// The icon image of that size; made once and kept for the life of the process.
HICON EmbeddedIcon(UINT id, int size);
// A bitmap file as the device-independent bitmap calls take it: its header (with colours)
// copied to memory aligned as the system wants it, and its pixels where they are.
struct PackedBitmap {
    std::vector<DWORD> header;
    const void* bits = nullptr;
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(header.data()); }
};
std::optional<PackedBitmap> PackBitmapFile(std::span<const unsigned char> bitmapFile);

// A device-dependent bitmap of the built-in bitmap file; null when there is none. Made once
// and kept for the life of the process.
HBITMAP EmbeddedBitmap(UINT id);
// A menu bar (or, for a pop-up, a pop-up menu) with its pop-ups, from a menu template.
HMENU BuildMenu(UINT menuId);

}  // namespace win32
