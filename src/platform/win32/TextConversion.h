// The program's text is UTF-8, which its manifest makes the A functions' code page too; the
// few calls that take only wide strings get them from here.
#pragma once

#include <string>

namespace win32 {

// A path (or any text) for a W function or interface.
std::wstring WidePath(const char* path);

}  // namespace win32
