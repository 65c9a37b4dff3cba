// Buttons, edits and list boxes of headless dialogs as a user works them.
#include "platform/emulated/Dialog.h"
#include "platform/headless/HeadlessWorld.h"

#include <stdexcept>

HWND__& HeadlessWorld::ControlState(CWnd& dialog, UINT id) const {
    CWnd* control = Control(dialog.m_hWnd, id);
    if (control == nullptr) {
        throw std::logic_error("the dialog has no control " + std::to_string(id));
    }
    return *control->m_hWnd;
}

// An automatic check box toggles and an automatic radio button takes the check from the
// others (each dialog of the program has one group), before the dialog hears of the click.
void HeadlessWorld::ClickButton(CWnd& dialog, UINT id) {
    HWND__& button = ControlState(dialog, id);
    if (!button.enabled) {
        return;
    }
    switch (button.style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
        button.check = button.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        break;
    case BS_AUTORADIOBUTTON:
        for (const auto& window : m_windows) {
            if (window->parent == dialog.m_hWnd && (window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                window->check = window.get() == &button ? BST_CHECKED : BST_UNCHECKED;
            }
        }
        break;
    default:
        break;
    }
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), reinterpret_cast<LPARAM>(&button));
}

void HeadlessWorld::TypeText(CWnd& dialog, UINT id, const std::string& text) {
    HWND__& edit = ControlState(dialog, id);
    edit.title = text;
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), EN_CHANGE), reinterpret_cast<LPARAM>(&edit));
}

void HeadlessWorld::SelectListEntry(CWnd& dialog, UINT id, int index) {
    emulated::ControlMessage(&ControlState(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void HeadlessWorld::DoubleClickListEntry(CWnd& dialog, UINT id, int index) {
    HWND__& list = ControlState(dialog, id);
    SelectListEntry(dialog, id, index);
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), LBN_DBLCLK), reinterpret_cast<LPARAM>(&list));
}

void HeadlessWorld::Repaint(CWnd& wnd) {
    Deliver(wnd, WM_PAINT, 0, 0);
}
