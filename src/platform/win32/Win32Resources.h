// Native icons, bitmaps and menus made from the program's built-in files and templates.
#pragma once

#include "framework/WinTypes.h"

namespace win32 {

// The icon image of that size; made once and kept for the life of the process.
HICON EmbeddedIcon(UINT id, int size);
// A device-dependent bitmap of the built-in bitmap file; null when there is none.
HBITMAP EmbeddedBitmap(UINT id);
// A menu bar (or, for a pop-up, a pop-up menu) with its pop-ups, from a menu template.
HMENU BuildMenu(UINT menuId);

}  // namespace win32
