// The registry's rules as the Windows program sees them, over a store a host keeps: one text
// per key path, RegSetValueA taking texts only, RegQueryValueA filling its caller's buffer.
#pragma once

#include "framework/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace emulated {

// Texts by full key path ("HKEY_LOCAL_MACHINE\Software\..."); paths compare without regard
// to case, as Windows compares them.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    virtual std::optional<std::string> Read(const std::string& keyPath) const = 0;
    // False when the text could not be stored.
    virtual bool Write(const std::string& keyPath, std::string_view text) = 0;
};

// "HKEY_LOCAL_MACHINE\<subKey>", or HKEY_CURRENT_USER for that root.
std::string RegistryKeyPath(HKEY root, std::string_view subKey);

// ERROR_INVALID_PARAMETER for anything but REG_SZ; ERROR_ACCESS_DENIED when the store
// refuses. As on Windows, the text is taken up to its zero.
LONG RegSetValue(RegistryStore& store, HKEY root, const char* subKey, DWORD type, const char* data);
// ERROR_FILE_NOT_FOUND without a text; ERROR_MORE_DATA with the needed size in *cbValue
// when value is null or too small (value untouched); otherwise the text, its zero and size.
LONG RegQueryValue(const RegistryStore& store, HKEY root, const char* subKey, char* value, LONG* cbValue);

}  // namespace emulated
