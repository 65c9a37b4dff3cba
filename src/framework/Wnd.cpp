#include "framework/Wnd.h"

#include <utility>

const MessageMap* CWnd::GetMessageMap() const {
    return nullptr;
}

BOOL CWnd::OnCommand(UINT_PTR) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Handlers may run nested messages (a timer inside a message box); restore ours after.
    CurrentMessage outer = std::exchange(m_currentMessage, {message, wParam, lParam});
    LRESULT result = 0;
    const MessageMap* map = GetMessageMap();
    UINT_PTR id = message == WM_COMMAND ? (wParam & 0xFFFF) : 0;
    if (const MessageEntry* entry = map ? map->Find(message, id) : nullptr) {
        result = entry->handler(*this, wParam, lParam);
    } else if (message != WM_COMMAND || !OnCommand(id)) {
        result = Default();
    }
    m_currentMessage = outer;
    return result;
}
