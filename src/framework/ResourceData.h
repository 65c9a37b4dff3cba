// The icon and bitmap files built into the program, found by kind and id. The program
// supplies them (resources/); every host reads them through this lookup.
#pragma once

#include "framework/WinTypes.h"

#include <span>

enum class ResourceKind { Icon, Bitmap };

// The whole file as built in (an .ico or a .bmp file); an empty span when there is none.
std::span<const unsigned char> FindResourceData(ResourceKind kind, UINT id);
