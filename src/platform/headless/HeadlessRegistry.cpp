#include "platform/headless/HeadlessRegistry.h"

#include "platform/posix/RegistryText.h"

#include <algorithm>
#include <cctype>

bool HeadlessRegistry::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

std::optional<std::string> HeadlessRegistry::Get(std::string_view keyPath, HKEY root) const {
    auto found = m_values.find(posix::RegistryKeyPath(root, keyPath));
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void HeadlessRegistry::Set(std::string_view keyPath, std::string_view text, HKEY root) {
    m_values.insert_or_assign(posix::RegistryKeyPath(root, keyPath), std::string(text));
}

void HeadlessRegistry::Erase(std::string_view keyPath, HKEY root) {
    auto found = m_values.find(posix::RegistryKeyPath(root, keyPath));
    if (found != m_values.end()) {
        m_values.erase(found);
    }
}
