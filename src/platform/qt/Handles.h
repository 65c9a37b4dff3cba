// What stands behind the framework's handles in the Qt host.
#pragma once

#include "framework/Wnd.h"
#include "platform/emulated/System.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

class QEventLoop;
class QMenu;
class QPainter;

// A window or control of this program, or a top-level window of another program found
// by FindWindowA (then only its X11 id or its local socket name is known).
struct HWND__ {
    CWnd* wnd = nullptr;
    QPointer<QWidget> widget;  // the dialog's client area, or the control itself
    HWND parent = nullptr;     // a control's dialog
    UINT id = 0;               // a control's id
    std::unique_ptr<CWnd> control;  // the program's object for a control
    std::map<UINT_PTR, int> timers;  // program timer id -> Qt timer id
    HDC paintDC = nullptr;          // set while the client area paints
    QEventLoop* modalLoop = nullptr;
    bool modalEnded = false;
    int modalResult = -1;
    unsigned long foreignWindow = 0;  // an X11 window of another process
    std::string foreignSocket;        // a running copy's local socket, where there is no X11
};

// The painter of one paint event of a window's client area, and the text settings of
// the device context over it.
struct HDC__ {
    QPainter* painter;
    int bkMode = OPAQUE;
    COLORREF textColor = RGB(0, 0, 0);
};

struct HICON__ {
    QIcon icon;
};

// A menu is a QMenu; a loaded menu bar template becomes a QMenu of pop-ups.
struct HMENU__ {
    QMenu* menu;
};
