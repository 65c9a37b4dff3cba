// A window's message table: which member function handles which message or command.
// A table names its base class's table; lookups that miss walk down to the base.
#pragma once

#include "framework/WinTypes.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class CWnd;

struct MessageEntry {
    using Handler = std::function<LRESULT(CWnd&, WPARAM, LPARAM)>;

    UINT message;
    UINT_PTR id;  // the command id for WM_COMMAND, 0 for every other message
    WORD code;    // the notification code for WM_COMMAND (BN_CLICKED for a command)
    Handler handler;
};

class MessageMap {
public:
    MessageMap(const MessageMap* base, std::initializer_list<MessageEntry> entries);

    const MessageEntry* Find(UINT message, UINT_PTR id, WORD code = BN_CLICKED) const;

private:
    const MessageMap* m_pBase;
    std::vector<MessageEntry> m_entries;
};

// Entry makers: each unpacks the message's parameters into the handler's arguments.

// A notification of control `id` (LBN_DBLCLK, EN_CHANGE, ...).
template <class T>
MessageEntry MapControl(WORD code, UINT_PTR id, void (T::*handler)()) {
    return {WM_COMMAND, id, code, [handler](CWnd& wnd, WPARAM, LPARAM) {
                (static_cast<T&>(wnd).*handler)();
                return LRESULT{0};
            }};
}

// A menu item, an accelerator or a clicked button.
template <class T>
MessageEntry MapCommand(UINT_PTR id, void (T::*handler)()) {
    return MapControl(BN_CLICKED, id, handler);
}

template <class T>
MessageEntry MapTimer(void (T::*handler)(UINT_PTR)) {
    return {WM_TIMER, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM) {
                (static_cast<T&>(wnd).*handler)(static_cast<UINT_PTR>(wParam));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) {
                return (static_cast<T&>(wnd).*handler)(wParam, lParam);
            }};
}

template <class T>
MessageEntry MapPaint(void (T::*handler)()) {
    return {WM_PAINT, 0, 0, [handler](CWnd& wnd, WPARAM, LPARAM) {
                (static_cast<T&>(wnd).*handler)();
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapQueryDragIcon(HCURSOR (T::*handler)()) {
    return {WM_QUERYDRAGICON, 0, 0, [handler](CWnd& wnd, WPARAM, LPARAM) {
                return reinterpret_cast<LRESULT>((static_cast<T&>(wnd).*handler)());
            }};
}

// The colour request carries this record; the handler's answer goes back in it.
struct CtlColor {
    COLORREF face;
    std::optional<COLORREF> text;  // drawn in this colour on a transparent background
};
struct CtlColorRequest {
    CWnd* control;
    UINT type;  // CTLCOLOR_DLG, CTLCOLOR_STATIC, ...
    std::optional<CtlColor> answer;  // none: the base colours
};

template <class T>
MessageEntry MapCtlColor(std::optional<CtlColor> (T::*handler)(CWnd*, UINT)) {
    return {WM_CTLCOLOR, 0, 0, [handler](CWnd& wnd, WPARAM, LPARAM lParam) {
                auto* request = reinterpret_cast<CtlColorRequest*>(lParam);
                request->answer = (static_cast<T&>(wnd).*handler)(request->control, request->type);
                return LRESULT{1};
            }};
}

// Screen coordinates packed as two signed 16-bit halves, as the system sends them.
inline POINT PointFromLParam(LPARAM lParam) {
    return {static_cast<short>(lParam & 0xFFFF), static_cast<short>((lParam >> 16) & 0xFFFF)};
}
inline LPARAM MakePointLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<unsigned>(y) & 0xFFFF) << 16 | (static_cast<unsigned>(x) & 0xFFFF));
}

template <class T>
MessageEntry MapContextMenu(void (T::*handler)(CWnd*, POINT)) {
    return {WM_CONTEXTMENU, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) {
                CWnd* clicked = T::FromHandle(reinterpret_cast<HWND>(wParam));  // T is a CWnd
                (static_cast<T&>(wnd).*handler)(clicked, PointFromLParam(lParam));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapSize(void (T::*handler)(UINT, int, int)) {
    return {WM_SIZE, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) {
                (static_cast<T&>(wnd).*handler)(static_cast<UINT>(wParam), static_cast<int>(lParam & 0xFFFF),
                                                static_cast<int>((lParam >> 16) & 0xFFFF));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapHelpInfo(BOOL (T::*handler)(HELPINFO*)) {
    return {WM_HELP, 0, 0, [handler](CWnd& wnd, WPARAM, LPARAM lParam) {
                return LRESULT{(static_cast<T&>(wnd).*handler)(reinterpret_cast<HELPINFO*>(lParam))};
            }};
}

template <class T>
MessageEntry MapDropFiles(void (T::*handler)(HDROP)) {
    return {WM_DROPFILES, 0, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM) {
                (static_cast<T&>(wnd).*handler)(reinterpret_cast<HDROP>(wParam));
                return LRESULT{0};
            }};
}
