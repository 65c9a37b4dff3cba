#include "common/Helpers.h"

#include "files/RegularFile.h"
#include "framework/SystemServices.h"

void ShowSystemError(DWORD error) {
    std::string text = fw::FormatMessageA(error);
    fw::AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowLastError() {
    ShowSystemError(fw::GetLastError());
}

bool FileExists(const std::string& path) {
    return files::OpenRegular(path, files::Access::Read) != nullptr;
}

std::string GetModuleDir() {
    std::string path = fw::GetModuleFileNameA();
    size_t separator = path.rfind(fw::PATH_SEPARATOR);
    return separator == std::string::npos ? path : path.substr(0, separator + 1);
}
