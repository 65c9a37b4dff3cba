// The button and list-box messages as Windows answers them, over the state a host keeps
// for its check boxes, radio buttons and list boxes.
#pragma once

#include "framework/WinTypes.h"

#include <optional>
#include <string>

namespace emulated {

// A check box's or radio button's check. Setting it leaves the other buttons of a group
// alone: only a click moves the check within the group.
class ButtonState {
public:
    virtual ~ButtonState() = default;
    virtual UINT Check() const = 0;
    virtual void SetCheck(UINT check) = 0;
};

// A list box's entries, in order, and its one selection.
class ListBoxState {
public:
    virtual ~ListBoxState() = default;
    virtual int Count() const = 0;
    virtual std::string Text(int index) const = 0;
    virtual void Append(const char* text) = 0;
    virtual void Remove(int index) = 0;
    // LB_ERR when nothing is selected; selecting LB_ERR clears the selection.
    virtual int Selection() const = 0;
    virtual void Select(int index) = 0;
};

// BM_GETCHECK and BM_SETCHECK; nothing for any other message.
std::optional<LRESULT> ButtonMessage(ButtonState& button, UINT message, WPARAM wParam);
// LB_ADDSTRING, LB_DELETESTRING, LB_SETCURSEL, LB_GETCURSEL, LB_GETCOUNT, LB_GETTEXTLEN and
// LB_GETTEXT; nothing for any other message.
std::optional<LRESULT> ListBoxMessage(ListBoxState& list, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace emulated
