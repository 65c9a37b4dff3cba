#include "framework/Wnd.h"

#include "framework/SystemServices.h"

#include <utility>

const MessageMap* CWnd::GetMessageMap() const {
    return nullptr;
}

// A box without a caption is titled with the program's name, as Windows titles it.
int CWnd::MessageBoxA(const char* text, const char* caption, UINT type) {
    std::string title = caption != nullptr ? caption : fw::AfxGetAppName();
    return fw::MessageBoxA(m_hWnd, text, title.c_str(), type);
}

BOOL CWnd::OnCommand(UINT_PTR) {
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Handlers may run nested messages (a timer inside a message box); restore ours after.
    CurrentMessage outer = std::exchange(m_currentMessage, {message, wParam, lParam});
    LRESULT result = 0;
    const MessageMap* map = GetMessageMap();
    UINT_PTR id = message == WM_COMMAND ? LOWORD(wParam) : 0;
    // Menus and accelerators (no control) are commands, as is a clicked button.
    WORD code = message == WM_COMMAND && lParam != 0 ? HIWORD(wParam) : BN_CLICKED;
    if (const MessageEntry* entry = map ? map->Find(message, id, code) : nullptr) {
        result = entry->handler(*this, wParam, lParam);
    } else if (message != WM_COMMAND || code != BN_CLICKED || !OnCommand(id)) {
        result = Default();
    }
    m_currentMessage = outer;
    return result;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (CWnd* button = GetDlgItem(nIDButton)) {
        button->SendMessageA(BM_SETCHECK, nCheck);
    }
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    CWnd* button = GetDlgItem(nIDButton);
    return button != nullptr ? static_cast<UINT>(button->SendMessageA(BM_GETCHECK)) : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id) {
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
    }
}
