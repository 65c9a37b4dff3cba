// CListBox: a list-box control of a dialog, driven through its list-box messages.
#pragma once

#include "framework/Wnd.h"

#include <string>

class CListBox : public CWnd {
public:
    // Appends (the program's list boxes do not sort); the new position, or LB_ERR.
    int AddString(const char* text);
    int DeleteString(UINT nIndex);
    // The selected position, or LB_ERR when nothing is selected.
    int GetCurSel();
    int SetCurSel(int nSelect);
    int GetCount();
    // The entry's whole text; LB_ERR for a position the list does not have.
    int GetText(int nIndex, std::string& text);
};
