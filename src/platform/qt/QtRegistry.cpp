// The registry calls over the user's key-value file.
#include "framework/SystemServices.h"
#include "platform/posix/RegistryText.h"
#include "platform/qt/KeyValueStore.h"

namespace fw {

namespace {

constexpr LONG ERROR_INVALID_PARAMETER = 87;

}  // namespace

// As on Windows, the text is taken up to its zero; cbData is not looked at.
LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD) {
    if (type != REG_SZ) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!KeyValueStore::ForUser().Set(posix::RegistryKeyPath(root, subKey), data)) {
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    }
    return ERROR_SUCCESS;
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return posix::CopyRegistryText(KeyValueStore::ForUser().Get(posix::RegistryKeyPath(root, subKey)), value, cbValue);
}

}  // namespace fw
