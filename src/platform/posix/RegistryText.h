// The registry's rules shared by the Linux hosts: the full path of a key under its root,
// and how RegQueryValueA hands a stored text to its caller's buffer.
#pragma once

#include "framework/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace posix {

// "HKEY_LOCAL_MACHINE\<subKey>", or HKEY_CURRENT_USER for that root.
std::string RegistryKeyPath(HKEY root, std::string_view subKey);

// ERROR_FILE_NOT_FOUND without a text; ERROR_MORE_DATA with the needed size in *cbValue
// when value is null or too small; otherwise the text and its zero, and its size.
LONG CopyRegistryText(const std::optional<std::string>& text, char* value, LONG* cbValue);

}  // namespace posix
