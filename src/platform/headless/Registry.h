// The headless registry: one text per key path, key paths compared without regard to
// case as Windows does. Keys are written as "Software\\...", under HKEY_LOCAL_MACHINE
// unless a root is named.
#pragma once

#include "platform/emulated/Registry.h"

#include <map>

class HeadlessRegistry : public emulated::RegistryStore {
public:
    std::optional<std::string> Get(std::string_view keyPath, HKEY root = HKEY_LOCAL_MACHINE) const;
    void Set(std::string_view keyPath, std::string_view text, HKEY root = HKEY_LOCAL_MACHINE);
    void Erase(std::string_view keyPath, HKEY root = HKEY_LOCAL_MACHINE);
    size_t Size() const { return m_values.size(); }

    // While true, every write is refused with ERROR_ACCESS_DENIED.
    bool refuseWrites = false;

    std::optional<std::string> Read(const std::string& keyPath) const override;
    bool Write(const std::string& keyPath, std::string_view text) override;

private:
    struct NoCaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::map<std::string, std::string, NoCaseLess> m_values;
};
