// The registry calls over the user's key-value file.
#include "framework/SystemServices.h"
#include "platform/emulated/Registry.h"
#include "platform/qt/KeyValueStore.h"

namespace {

class UserRegistry : public emulated::RegistryStore {
public:
    std::optional<std::string> Read(const std::string& keyPath) const override {
        return KeyValueStore::ForUser().Get(keyPath);
    }
    bool Write(const std::string& keyPath, std::string_view text) override {
        return KeyValueStore::ForUser().Set(keyPath, text);
    }
};

}  // namespace

namespace fw {

LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD) {
    UserRegistry registry;
    return emulated::RegSetValue(registry, root, subKey, type, data);
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return emulated::RegQueryValue(UserRegistry(), root, subKey, value, cbValue);
}

}  // namespace fw
