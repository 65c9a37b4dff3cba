// The window framework over the headless world.
#include "framework/Dialog.h"
#include "framework/SystemServices.h"
#include "platform/headless/HeadlessWorld.h"

BOOL CWnd::ShowWindow(int nCmdShow) {
    BOOL wasVisible = m_hWnd->visible;
    m_hWnd->visible = nCmdShow != SW_HIDE;
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd->visible;
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

int CWnd::MessageBoxA(const char* text, const char* caption, UINT type) {
    std::string title = caption != nullptr ? caption : fw::AfxGetAppName();
    return HeadlessWorld::Current().ShowMessageBox(m_hWnd, text, title, type);
}

LRESULT CWnd::Default() {
    return 0;
}

int CDialog::DoModal() {
    HeadlessWorld& world = HeadlessWorld::Current();
    m_hWnd = world.CreateWindowFor(*this);
    // The window goes when the loop ends, also when the process ends inside it.
    struct Destroyer {
        CDialog& dialog;
        ~Destroyer() {
            HeadlessWorld::Current().DestroyWindow(dialog.m_hWnd);
            dialog.m_hWnd = nullptr;
        }
    } destroyer{*this};
    OnInitDialog();
    // Dialog templates carry the visible style: the dialog manager shows the window now.
    m_hWnd->visible = true;
    world.RunModalLoop(*this);
    return m_hWnd->modalEnded ? m_hWnd->modalResult : -1;
}

void CDialog::EndDialog(int nResult) {
    m_hWnd->modalEnded = true;
    m_hWnd->modalResult = nResult;
}
