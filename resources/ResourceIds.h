// Ids of the icon and bitmaps the program carries; the files are listed in CMakeLists.txt.
#pragma once

#include "framework/WinTypes.h"

inline constexpr UINT IDR_MAINFRAME = 128;  // the program's icon, 32 x 32 and 16 x 16
inline constexpr UINT IDB_SPLASH = 130;     // the main window's picture while no image is open
