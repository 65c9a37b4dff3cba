// CWnd: a window of the program. The portable part dispatches messages through the
// window's message table; the operations on the native window are the backend's.
#pragma once

#include "framework/MessageMap.h"
#include "framework/WinTypes.h"

#include <string>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    HWND m_hWnd = nullptr;

    // The program's object for a window handle; null for a window it does not know.
    static CWnd* FromHandle(HWND hWnd);

    // Operations on the native window (backend).
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    BOOL DestroyWindow();
    // Schedules a repaint of the whole client area.
    void Invalidate(BOOL bErase = TRUE);
    void GetClientRect(RECT* rect) const;
    void ClientToScreen(POINT* point) const;
    // A control of this dialog, owned by the window; null when there is none.
    CWnd* GetDlgItem(int nID) const;
    LRESULT SendMessageA(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse);
    BOOL KillTimer(UINT_PTR nIDEvent);
    void SetWindowTextA(const char* text);
    std::string GetWindowTextA() const;
    // A message box owned by this window; a null caption means the application's title.
    int MessageBoxA(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    // The default processing of the message being handled.
    LRESULT Default();
    BOOL EnableWindow(BOOL bEnable = TRUE);
    // Gives this window the keyboard focus; the window that had it, or null.
    CWnd* SetFocus();

    // Check boxes and radio buttons of this dialog, by id (through their button messages).
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    // Checks one button of the id range and clears the others.
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);

    // Delivers a message to the handler its table names.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    virtual const MessageMap* GetMessageMap() const;
    // Commands (menu items, accelerators, clicked buttons) that the table does not name.
    virtual BOOL OnCommand(UINT_PTR nID);

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_currentMessage;
};
