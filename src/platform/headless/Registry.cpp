// The registry calls over the headless world's registry.
#include "platform/headless/Registry.h"

#include "framework/SystemServices.h"
#include "platform/headless/HeadlessWorld.h"

#include <algorithm>
#include <cctype>

bool HeadlessRegistry::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

std::optional<std::string> HeadlessRegistry::Get(std::string_view keyPath, HKEY root) const {
    return Read(emulated::RegistryKeyPath(root, keyPath));
}

void HeadlessRegistry::Set(std::string_view keyPath, std::string_view text, HKEY root) {
    m_values.insert_or_assign(emulated::RegistryKeyPath(root, keyPath), std::string(text));
}

void HeadlessRegistry::Erase(std::string_view keyPath, HKEY root) {
    auto found = m_values.find(emulated::RegistryKeyPath(root, keyPath));
    if (found != m_values.end()) {
        m_values.erase(found);
    }
}

std::optional<std::string> HeadlessRegistry::Read(const std::string& keyPath) const {
    auto found = m_values.find(keyPath);
    return found != m_values.end() ? std::optional(found->second) : std::nullopt;
}

bool HeadlessRegistry::Write(const std::string& keyPath, std::string_view text) {
    if (refuseWrites) {
        return false;
    }
    m_values.insert_or_assign(keyPath, std::string(text));
    return true;
}

namespace fw {

LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD) {
    return emulated::RegSetValue(HeadlessWorld::Current().registry, root, subKey, type, data);
}

LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue) {
    return emulated::RegQueryValue(HeadlessWorld::Current().registry, root, subKey, value, cbValue);
}

}  // namespace fw
