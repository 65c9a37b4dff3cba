// CWnd over the headless world's record of its windows.
#include "framework/Wnd.h"
#include "platform/headless/HeadlessWorld.h"

#include <utility>

CWnd* CWnd::FromHandle(HWND hWnd) {
    return hWnd != nullptr ? hWnd->wnd : nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    BOOL wasVisible = m_hWnd->visible;
    m_hWnd->visible = nCmdShow != SW_HIDE;
    if (nCmdShow == SW_SHOWNORMAL || nCmdShow == SW_RESTORE) {
        m_hWnd->iconic = false;
    } else if (nCmdShow == SW_MINIMIZE) {
        m_hWnd->iconic = true;
    }
    m_hWnd->needsPaint |= m_hWnd->visible && !wasVisible;
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd->visible;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd->iconic;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    HeadlessWorld::Current().DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return TRUE;
}

void CWnd::Invalidate(BOOL) {
    m_hWnd->needsPaint = true;
}

void CWnd::GetClientRect(RECT* rect) const {
    *rect = m_hWnd->client;
}

void CWnd::ClientToScreen(POINT* point) const {
    point->x += HeadlessWorld::CLIENT_ORIGIN.x;
    point->y += HeadlessWorld::CLIENT_ORIGIN.y;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return HeadlessWorld::Current().Control(m_hWnd, static_cast<UINT>(nID));
}

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    HeadlessWorld::Current().SetTimer(m_hWnd, nIDEvent, nElapse);
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return HeadlessWorld::Current().KillTimer(m_hWnd, nIDEvent);
}

void CWnd::SetWindowTextA(const char* text) {
    m_hWnd->title = text;
}

std::string CWnd::GetWindowTextA() const {
    return m_hWnd->title;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    BOOL wasDisabled = !m_hWnd->enabled;
    m_hWnd->enabled = bEnable != FALSE;
    return wasDisabled;
}

CWnd* CWnd::SetFocus() {
    HWND previous = std::exchange(HeadlessWorld::Current().focusWindow, m_hWnd);
    return FromHandle(previous);
}
