#include "common/Helpers.h"

#include "framework/SystemServices.h"

#include <cstdio>
#include <filesystem>

void ShowSystemError(DWORD error) {
    std::string text = fw::FormatMessageA(error);
    fw::AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowLastError() {
    ShowSystemError(fw::GetLastError());
}

bool FileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    // Windows refuses to open a folder as a file; the C library on Linux does not.
    std::error_code error;
    return !std::filesystem::is_directory(path, error);
}

std::string GetModuleDir() {
    std::string path = fw::GetModuleFileNameA();
    size_t separator = path.rfind(fw::PATH_SEPARATOR);
    return separator == std::string::npos ? path : path.substr(0, separator + 1);
}
