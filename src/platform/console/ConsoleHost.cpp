// The framework for command-line tools: message boxes go to standard error and answer as
// a user pressing the default button would; there is no cursor to change.
#include "framework/SystemServices.h"
#include "framework/WaitCursor.h"

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

CWaitCursor::CWaitCursor() = default;
CWaitCursor::~CWaitCursor() = default;
