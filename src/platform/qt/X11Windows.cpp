#include "platform/qt/X11Windows.h"

#include "framework/SystemServices.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <string>

namespace x11 {

namespace {

// Frames of a reparenting window manager put a client one or two levels below the root.
constexpr int SEARCH_DEPTH = 3;

// A window may go between listing it and reading it; that is no reason to end the program,
// which is what Xlib's own handler does.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// This program's own connection, opened on first use and kept: Qt's is its own.
Display* SharedDisplay() {
    static Display* display = [] {
        Display* opened = Available() ? XOpenDisplay(nullptr) : nullptr;
        if (opened != nullptr) {
            XSetErrorHandler(IgnoreError);
        }
        return opened;
    }();
    return display;
}

std::string WindowTitle(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr && type == utf8) {
        title.assign(reinterpret_cast<char*>(data), count);
    } else if (char* name = nullptr; XFetchName(display, window, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return title;
}

// Program top-level windows carry a class; a window without one is a frame or a helper.
bool Matches(Display* display, Window window, const char* className, const char* title) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return false;
    }
    bool matches = className == nullptr || (hint.res_class != nullptr && std::strcmp(hint.res_class, className) == 0);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return matches && (title == nullptr || WindowTitle(display, window) == title);
}

Window Search(Display* display, Window parent, const char* className, const char* title, int depth) {
    Window root = 0, parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (depth == 0 || XQueryTree(display, parent, &root, &parentOfParent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        if (Matches(display, children[i], className, title)) {
            found = children[i];
        }
    }
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        found = Search(display, children[i], className, title, depth - 1);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

}  // namespace

bool Available() {
    return QGuiApplication::platformName() == QStringLiteral("xcb");
}

void SetWindowClass(QWidget& window, const char* className) {
    Display* display = SharedDisplay();
    if (display == nullptr) {
        return;
    }
    std::string name = fw::AfxGetAppName();
    XClassHint hint{name.data(), const_cast<char*>(className)};
    XSetClassHint(display, static_cast<Window>(window.winId()), &hint);
    XSync(display, False);
}

unsigned long FindTopLevel(const char* className, const char* title) {
    Display* display = SharedDisplay();
    if (display == nullptr) {
        return 0;
    }
    return Search(display, DefaultRootWindow(display), className, title, SEARCH_DEPTH);
}

bool Activate(unsigned long window) {
    Display* display = SharedDisplay();
    if (display == nullptr || window == 0) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // from an application
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(display, window);
    XSync(display, False);
    return true;
}

}  // namespace x11
