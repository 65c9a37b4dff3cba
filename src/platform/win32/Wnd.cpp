// CWnd over the native window: each operation is the USER32 call of the same name.
#include "framework/Wnd.h"
#include "platform/win32/WindowObjects.h"

#include <vector>

CWnd* CWnd::FromHandle(HWND hWnd) {
    return win32::FindWindowObject(hWnd);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    HWND hWnd = m_hWnd;
    win32::DetachWindow(hWnd);
    m_hWnd = nullptr;
    return ::DestroyWindow(hWnd);
}

void CWnd::Invalidate(BOOL bErase) {
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::ClientToScreen(POINT* point) const {
    ::ClientToScreen(m_hWnd, point);
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return win32::ControlObject(m_hWnd, nID);
}

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    return ::KillTimer(m_hWnd, nIDEvent);
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}

void CWnd::SetWindowTextA(const char* text) {
    ::SetWindowTextA(m_hWnd, text);
}

std::string CWnd::GetWindowTextA() const {
    std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(m_hWnd)) + 1);
    int length = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? static_cast<size_t>(length) : 0);
}
