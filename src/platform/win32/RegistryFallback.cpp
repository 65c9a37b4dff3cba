#include "platform/win32/RegistryFallback.h"

namespace {

bool HasValue(const RegistryCalls& calls, HKEY root, const char* subKey) {
    LONG size = 0;
    LONG result = calls.query(root, subKey, nullptr, &size);
    return result == ERROR_SUCCESS || result == static_cast<LONG>(ERROR_MORE_DATA);
}

}  // namespace

LONG SetValueWithFallback(const RegistryCalls& calls, HKEY root, const char* subKey, const char* data,
                          DWORD cbData) {
    if (root != HKEY_LOCAL_MACHINE) {
        return calls.set(root, subKey, data, cbData);
    }
    if (!HasValue(calls, HKEY_CURRENT_USER, subKey)) {
        LONG result = calls.set(HKEY_LOCAL_MACHINE, subKey, data, cbData);
        if (result == ERROR_SUCCESS) {
            return result;
        }
    }
    return calls.set(HKEY_CURRENT_USER, subKey, data, cbData);
}

LONG QueryValueWithFallback(const RegistryCalls& calls, HKEY root, const char* subKey, char* value,
                            LONG* cbValue) {
    if (root == HKEY_LOCAL_MACHINE && HasValue(calls, HKEY_CURRENT_USER, subKey)) {
        return calls.query(HKEY_CURRENT_USER, subKey, value, cbValue);
    }
    return calls.query(root, subKey, value, cbValue);
}
