#include "platform/emulated/Controls.h"

#include <cstring>

namespace emulated {

namespace {

bool IsValidIndex(const ListBoxState& list, WPARAM index) {
    return index < static_cast<WPARAM>(list.Count());
}

// The selection goes with its entry; a selection below it moves up with its entry.
LRESULT DeleteString(ListBoxState& list, WPARAM index) {
    if (!IsValidIndex(list, index)) {
        return LB_ERR;
    }
    const int deleted = static_cast<int>(index);
    const int selection = list.Selection();
    list.Remove(deleted);
    if (selection >= deleted) {
        list.Select(selection == deleted ? LB_ERR : selection - 1);
    }
    return list.Count();
}

LRESULT SetCurSel(ListBoxState& list, WPARAM index) {
    int selection = IsValidIndex(list, index) ? static_cast<int>(index) : LB_ERR;
    list.Select(selection);
    return selection;
}

// The caller's buffer holds the text and its terminating zero.
LRESULT GetText(const ListBoxState& list, WPARAM index, LPARAM buffer) {
    if (!IsValidIndex(list, index)) {
        return LB_ERR;
    }
    std::string text = list.Text(static_cast<int>(index));
    std::memcpy(reinterpret_cast<char*>(buffer), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

}  // namespace

std::optional<LRESULT> ButtonMessage(ButtonState& button, UINT message, WPARAM wParam) {
    switch (message) {
    case BM_GETCHECK:
        return button.Check();
    case BM_SETCHECK:
        button.SetCheck(static_cast<UINT>(wParam));
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> ListBoxMessage(ListBoxState& list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_ADDSTRING:
        list.Append(reinterpret_cast<const char*>(lParam));
        return list.Count() - 1;
    case LB_DELETESTRING:
        return DeleteString(list, wParam);
    case LB_SETCURSEL:
        return SetCurSel(list, wParam);
    case LB_GETCURSEL:
        return list.Selection();
    case LB_GETCOUNT:
        return list.Count();
    case LB_GETTEXTLEN:
        return IsValidIndex(list, wParam) ? static_cast<LRESULT>(list.Text(static_cast<int>(wParam)).size()) : LB_ERR;
    case LB_GETTEXT:
        return GetText(list, wParam, lParam);
    default:
        return std::nullopt;
    }
}

}  // namespace emulated
