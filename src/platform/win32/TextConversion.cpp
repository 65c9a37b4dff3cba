#include "platform/win32/TextConversion.h"

#include "framework/SystemServices.h"

namespace {

// GetACP() answers UTF-8 under the manifest; the locale still knows the code page that
// builds without it wrote in.
UINT EarlierAnsiCodePage() {
    static const UINT earlier = [] {
        DWORD codePage = 0;
        const int got = GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                       reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t));
        return got > 0 && codePage != 0 ? static_cast<UINT>(codePage) : 1252u;
    }();
    return earlier;
}

// Asked for the length only, so a line that is fine costs no copy.
bool IsUtf8(const std::string& text) {
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr,
                               0) > 0;
}

std::wstring Wide(UINT codePage, const std::string& text) {
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

namespace win32 {

std::wstring WidePath(const char* path) {
    return Wide(CP_ACP, path);
}

}  // namespace win32

namespace fw {

// Text that happens to be valid UTF-8 in the old code page too (rare outside ASCII: it
// takes an accented capital before a symbol) is taken as UTF-8.
std::string FromEarlierCodePage(std::string text) {
    if (text.empty() || IsUtf8(text)) {
        return text;
    }
    return Utf8(Wide(EarlierAnsiCodePage(), text));
}

}  // namespace fw
