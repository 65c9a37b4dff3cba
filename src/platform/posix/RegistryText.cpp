#include "platform/posix/RegistryText.h"

namespace posix {

std::string RegistryKeyPath(HKEY root, std::string_view subKey) {
    std::string path = root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
    return path.append(subKey);
}

LONG CopyRegistryText(const std::optional<std::string>& text, char* value, LONG* cbValue) {
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

}  // namespace posix
