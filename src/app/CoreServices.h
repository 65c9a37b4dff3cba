// What the program's core asks of the system, answered by the framework's services.
#pragma once

#include "core/FileSystem.h"
#include "core/Settings.h"

class HostFileSystem : public core::FileSystem {
public:
    std::uint32_t LastError() const override;
    bool Exists(const std::string& path) const override;
    bool CopyOver(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    std::string NativePath(std::string_view windowsPath) const override;
    std::string ListLineText(std::string line) const override;
};

// The settings live in the registry, under the local machine.
class RegistryStore : public core::KeyValueStore {
public:
    std::optional<std::string> Read(const std::string& keyPath, std::size_t capacity) const override;
    void Write(const std::string& keyPath, const std::string& text) override;
};

// The C library's generator seeded with the current second, then drawn from once.
int DrawSeededRandom();
