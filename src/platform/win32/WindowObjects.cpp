#include "platform/win32/WindowObjects.h"

#include <map>
#include <memory>
#include <unordered_map>

namespace win32 {

namespace {

std::unordered_map<HWND, CWnd*>& Windows() {
    static std::unordered_map<HWND, CWnd*> windows;
    return windows;
}

std::unordered_map<HWND, std::map<int, std::unique_ptr<CWnd>>>& Controls() {
    static std::unordered_map<HWND, std::map<int, std::unique_ptr<CWnd>>> controls;
    return controls;
}

}  // namespace

void AttachWindow(HWND hWnd, CWnd* wnd) {
    Windows()[hWnd] = wnd;
}

void DetachWindow(HWND hWnd) {
    auto controls = Controls().find(hWnd);
    if (controls != Controls().end()) {
        for (auto& [id, control] : controls->second) {
            Windows().erase(control->m_hWnd);
        }
        Controls().erase(controls);
    }
    Windows().erase(hWnd);
}

CWnd* FindWindowObject(HWND hWnd) {
    auto found = Windows().find(hWnd);
    return found != Windows().end() ? found->second : nullptr;
}

CWnd* ControlObject(HWND dialog, int id) {
    HWND child = ::GetDlgItem(dialog, id);
    if (child == nullptr) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& control = Controls()[dialog][id];
    if (control == nullptr || control->m_hWnd != child) {
        if (control != nullptr) {
            Windows().erase(control->m_hWnd);
        }
        control = std::make_unique<CWnd>();
        control->m_hWnd = child;
        AttachWindow(child, control.get());
    }
    return control.get();
}

CWnd* ColourTarget(CWnd& dialog, HWND hWnd) {
    if (hWnd == dialog.m_hWnd) {
        return &dialog;
    }
    return ControlObject(dialog.m_hWnd, ::GetDlgCtrlID(hWnd));
}

}  // namespace win32
