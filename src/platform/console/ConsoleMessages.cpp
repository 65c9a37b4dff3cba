// Message boxes for command-line tools: the text goes to standard error, and the box
// answers as a user pressing its default button would.
#include "framework/SystemServices.h"

#include <cstdio>

namespace fw {

int MessageBoxA(HWND, const char* text, const char* caption, UINT type) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return (type & MB_YESNO) == MB_YESNO ? IDYES : IDOK;
}

int AfxMessageBox(const char* text, UINT type) {
    return MessageBoxA(nullptr, text, "kaleidra", type);
}

HWND GetActiveWindow() {
    return nullptr;
}

}  // namespace fw
