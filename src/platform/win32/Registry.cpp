// The registry. Where a normal user can't write HKEY_LOCAL_MACHINE (Windows Vista and
// later), the same key paths under HKEY_CURRENT_USER take their place, and once used they
// are read first.
#include "framework/SystemServices.h"
#include "platform/win32/Folders.h"
#include "platform/win32/RegistryFallback.h"

namespace {

LONG SetKeyValue(HKEY root, const char* subKey, const char* data, DWORD cbData) {
    if (root == HKEY_LOCAL_MACHINE && win32::MachineReadOnlyForTest()) {
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    }
    return ::RegSetValueA(root, subKey, REG_SZ, data, cbData);
}

const RegistryCalls& SystemRegistry() {
    static const RegistryCalls calls{SetKeyValue, ::RegQueryValueA};
    return calls;
}

}  // namespace

namespace fw {

LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD cbData) {
    if (type != REG_SZ) {
        return ::RegSetValueA(root, subKey, type, data, cbData);
    }
    return SetValueWithFallback(SystemRegistry(), root, subKey, data, cbData);
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return QueryValueWithFallback(SystemRegistry(), root, subKey, value, cbValue);
}

}  // namespace fw
