#include "platform/emulated/Registry.h"

namespace emulated {

namespace {

constexpr LONG ERROR_INVALID_PARAMETER = 87;

}  // namespace

std::string RegistryKeyPath(HKEY root, std::string_view subKey) {
    std::string path = root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
    return path.append(subKey);
}

LONG RegSetValue(RegistryStore& store, HKEY root, const char* subKey, DWORD type, const char* data) {
    if (type != REG_SZ) {
        return ERROR_INVALID_PARAMETER;
    }
    if (!store.Write(RegistryKeyPath(root, subKey), data)) {
        return static_cast<LONG>(ERROR_ACCESS_DENIED);
    }
    return ERROR_SUCCESS;
}

LONG RegQueryValue(const RegistryStore& store, HKEY root, const char* subKey, char* value, LONG* cbValue) {
    std::optional<std::string> text = store.Read(RegistryKeyPath(root, subKey));
    if (!text) {
        return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    }
    LONG needed = static_cast<LONG>(text->size() + 1);
    if (value == nullptr || *cbValue < needed) {
        *cbValue = needed;
        return static_cast<LONG>(ERROR_MORE_DATA);
    }
    text->copy(value, text->size());
    value[text->size()] = '\0';
    *cbValue = needed;
    return ERROR_SUCCESS;
}

}  // namespace emulated
