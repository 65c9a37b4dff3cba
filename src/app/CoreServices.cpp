#include "app/CoreServices.h"

#include "common/Helpers.h"
#include "framework/SystemServices.h"

#include <cstring>
#include <utility>

std::uint32_t HostFileSystem::LastError() const {
    return fw::GetLastError();
}

bool HostFileSystem::Exists(const std::string& path) const {
    return FileExists(path);
}

bool HostFileSystem::CopyOver(const std::string& from, const std::string& to) {
    return fw::CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool HostFileSystem::Remove(const std::string& path) {
    return fw::DeleteFileA(path.c_str()) != FALSE;
}

std::string HostFileSystem::NativePath(std::string_view windowsPath) const {
    return fw::NativePath(windowsPath);
}

std::string HostFileSystem::ListLineText(std::string line) const {
    return fw::FromEarlierCodePage(std::move(line));
}

std::optional<std::string> RegistryStore::Read(const std::string& keyPath, std::size_t capacity) const {
    std::string text(capacity, '\0');
    LONG size = static_cast<LONG>(capacity);
    if (fw::RegQueryValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), text.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(strnlen(text.c_str(), capacity));
    return text;
}

void RegistryStore::Write(const std::string& keyPath, const std::string& text) {
    fw::RegSetValueA(HKEY_LOCAL_MACHINE, keyPath.c_str(), REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

int DrawSeededRandom() {
    fw::srand(static_cast<unsigned>(fw::time()));
    return fw::rand();
}
