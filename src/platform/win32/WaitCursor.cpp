// CWaitCursor over USER32: the hourglass until the outermost one goes.
#include "framework/WaitCursor.h"

#include <windows.h>

namespace {

int g_waitDepth = 0;
HCURSOR g_hCursorBeforeWait = nullptr;

}  // namespace

CWaitCursor::CWaitCursor() {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (g_waitDepth++ == 0) {
        g_hCursorBeforeWait = previous;
    }
}

CWaitCursor::~CWaitCursor() {
    if (--g_waitDepth == 0) {
        SetCursor(g_hCursorBeforeWait);
    }
}
