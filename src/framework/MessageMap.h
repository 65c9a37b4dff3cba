// A window's message table: which member function handles which message or command.
// A table names its base class's table; lookups that miss walk down to the base.
#pragma once

#include "framework/WinTypes.h"

#include <functional>
#include <initializer_list>
#include <vector>

class CWnd;

struct MessageEntry {
    using Handler = std::function<LRESULT(CWnd&, WPARAM, LPARAM)>;

    UINT message;
    UINT_PTR id;  // the command id for WM_COMMAND, 0 for every other message
    Handler handler;
};

class MessageMap {
public:
    MessageMap(const MessageMap* base, std::initializer_list<MessageEntry> entries);

    const MessageEntry* Find(UINT message, UINT_PTR id) const;

private:
    const MessageMap* m_pBase;
    std::vector<MessageEntry> m_entries;
};

// Entry makers: each unpacks the message's parameters into the handler's arguments.

template <class T>
MessageEntry MapCommand(UINT_PTR id, void (T::*handler)()) {
    return {WM_COMMAND, id, [handler](CWnd& wnd, WPARAM, LPARAM) {
                (static_cast<T&>(wnd).*handler)();
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapTimer(void (T::*handler)(UINT_PTR)) {
    return {WM_TIMER, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM) {
                (static_cast<T&>(wnd).*handler)(static_cast<UINT_PTR>(wParam));
                return LRESULT{0};
            }};
}

template <class T>
MessageEntry MapMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, [handler](CWnd& wnd, WPARAM wParam, LPARAM lParam) {
                return (static_cast<T&>(wnd).*handler)(wParam, lParam);
            }};
}
