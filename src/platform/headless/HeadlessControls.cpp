// Buttons, edits and list boxes of headless dialogs: their state, their answers to the
// button and list-box messages, and what a user does to them.
#include "platform/headless/HeadlessWorld.h"

#include <cstring>
#include <stdexcept>

namespace {

bool IsValidIndex(const HWND__& list, WPARAM index) {
    return index < list.items.size();
}

LRESULT ListBoxMessage(HWND__& list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
        list.items.emplace_back(reinterpret_cast<const char*>(lParam));
        return static_cast<LRESULT>(list.items.size() - 1);
    case LB_DELETESTRING:
        if (!IsValidIndex(list, wParam)) {
            return LB_ERR;
        }
        list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(wParam));
        list.selection = LB_ERR;
        return static_cast<LRESULT>(list.items.size());
    case LB_SETCURSEL:
        list.selection = IsValidIndex(list, wParam) ? static_cast<int>(wParam) : LB_ERR;
        return list.selection;
    case LB_GETCURSEL:
        return list.selection;
    case LB_GETCOUNT:
        return static_cast<LRESULT>(list.items.size());
    case LB_GETTEXTLEN:
        return IsValidIndex(list, wParam) ? static_cast<LRESULT>(list.items[wParam].size()) : LB_ERR;
    default:  // LB_GETTEXT: the caller's buffer holds the text and its terminating zero
        if (!IsValidIndex(list, wParam)) {
            return LB_ERR;
        }
        std::memcpy(reinterpret_cast<char*>(lParam), list.items[wParam].c_str(), list.items[wParam].size() + 1);
        return static_cast<LRESULT>(list.items[wParam].size());
    }
}

}  // namespace

std::optional<LRESULT> HeadlessWorld::ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return control->check;
    case BM_SETCHECK:
        control->check = static_cast<UINT>(wParam);
        return 0;
    case LB_ADDSTRING:
    case LB_DELETESTRING:
    case LB_SETCURSEL:
    case LB_GETCURSEL:
    case LB_GETCOUNT:
    case LB_GETTEXTLEN:
    case LB_GETTEXT:
        return ListBoxMessage(*control, message, wParam, lParam);
    default:
        return std::nullopt;
    }
}

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
    ListBoxMessage(ControlState(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void HeadlessWorld::DoubleClickListEntry(CWnd& dialog, UINT id, int index) {
    HWND__& list = ControlState(dialog, id);
    SelectListEntry(dialog, id, index);
    Deliver(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), LBN_DBLCLK), reinterpret_cast<LPARAM>(&list));
}

void HeadlessWorld::Repaint(CWnd& wnd) {
    Deliver(wnd, WM_PAINT, 0, 0);
}
