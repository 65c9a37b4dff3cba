#include "framework/ListBox.h"

int CListBox::AddString(const char* text) {
    return static_cast<int>(SendMessageA(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT nIndex) {
    return static_cast<int>(SendMessageA(LB_DELETESTRING, nIndex));
}

int CListBox::GetCurSel() {
    return static_cast<int>(SendMessageA(LB_GETCURSEL));
}

int CListBox::SetCurSel(int nSelect) {
    return static_cast<int>(SendMessageA(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

int CListBox::GetCount() {
    return static_cast<int>(SendMessageA(LB_GETCOUNT));
}

int CListBox::GetText(int nIndex, std::string& text) {
    auto length = static_cast<int>(SendMessageA(LB_GETTEXTLEN, static_cast<WPARAM>(nIndex)));
    if (length < 0) {
        return LB_ERR;
    }
    text.assign(static_cast<std::size_t>(length) + 1, '\0');
    length = static_cast<int>(SendMessageA(LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.data())));
    text.resize(length < 0 ? 0 : static_cast<std::size_t>(length));
    return length;
}
