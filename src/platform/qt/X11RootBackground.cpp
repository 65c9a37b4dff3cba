#include "platform/qt/X11RootBackground.h"

#include <QImage>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <vector>

namespace x11 {

namespace {

constexpr const char* ROOT_PIXMAP_PROPERTIES[] = {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"};

Pixmap RootPixmapProperty(Display* display, Window root, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    Pixmap pixmap = None;
    Atom property = XInternAtom(display, name, True);
    if (property != None && XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                                               &remaining, &data) == Success &&
        data != nullptr && type == XA_PIXMAP && count == 1) {
        pixmap = *reinterpret_cast<Pixmap*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pixmap;
}

// The previous setter's pixmap lives on in a connection kept for it; ending that
// connection frees it.
void ReleasePreviousPixmap(Display* display, Window root) {
    Pixmap previous = RootPixmapProperty(display, root, "ESETROOT_PMAP_ID");
    if (previous != None && previous == RootPixmapProperty(display, root, "_XROOTPMAP_ID")) {
        XKillClient(display, previous);
    }
}

struct Area {
    int x, y, width, height;
};

// The monitors XRandR knows; the whole screen where it knows none.
std::vector<Area> Monitors(Display* display, Window root, int screen) {
    std::vector<Area> areas;
    int eventBase = 0, errorBase = 0, count = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase)) {
        XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
        for (int i = 0; i < count; ++i) {
            areas.push_back({monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height});
        }
        if (monitors != nullptr) {
            XRRFreeMonitors(monitors);
        }
    }
    if (areas.empty()) {
        areas.push_back({0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});
    }
    return areas;
}

// The picture's middle on the area's middle, cut to the area.
void PutCentred(Display* display, Pixmap pixmap, GC gc, XImage* image, const Area& area) {
    const int srcX = std::max(0, (image->width - area.width) / 2);
    const int srcY = std::max(0, (image->height - area.height) / 2);
    const int destX = area.x + std::max(0, (area.width - image->width) / 2);
    const int destY = area.y + std::max(0, (area.height - image->height) / 2);
    XPutImage(display, pixmap, gc, image, srcX, srcY, destX, destY,
              static_cast<unsigned>(std::min(area.width, image->width)),
              static_cast<unsigned>(std::min(area.height, image->height)));
}

bool DrawCentred(Display* display, Pixmap pixmap, int screen, const QImage& picture) {
    const int depth = DefaultDepth(display, screen);
    if (depth != 24 && depth != 32) {
        return false;
    }
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XSetForeground(display, gc, BlackPixel(display, screen));
    XFillRectangle(display, pixmap, gc, 0, 0, static_cast<unsigned>(DisplayWidth(display, screen)),
                   static_cast<unsigned>(DisplayHeight(display, screen)));
    QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    XImage* image = XCreateImage(display, DefaultVisual(display, screen), static_cast<unsigned>(depth), ZPixmap, 0,
                                 reinterpret_cast<char*>(pixels.bits()), static_cast<unsigned>(pixels.width()),
                                 static_cast<unsigned>(pixels.height()), 32, static_cast<int>(pixels.bytesPerLine()));
    for (const Area& monitor : Monitors(display, RootWindow(display, screen), screen)) {
        PutCentred(display, pixmap, gc, image, monitor);
    }
    image->data = nullptr;  // the pixels are the QImage's
    XDestroyImage(image);
    XFreeGC(display, gc);
    return true;
}

}  // namespace

bool SetRootBackground(const QImage& picture) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(DisplayWidth(display, screen)),
                                  static_cast<unsigned>(DisplayHeight(display, screen)),
                                  static_cast<unsigned>(DefaultDepth(display, screen)));
    if (!DrawCentred(display, pixmap, screen, picture)) {
        XFreePixmap(display, pixmap);
        XCloseDisplay(display);
        return false;
    }
    ReleasePreviousPixmap(display, root);
    for (const char* name : ROOT_PIXMAP_PROPERTIES) {
        XChangeProperty(display, root, XInternAtom(display, name, False), XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&pixmap), 1);
    }
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    // The pixmap must outlive this connection: it is the desktop's from now on.
    XSetCloseDownMode(display, RetainPermanent);
    XCloseDisplay(display);
    return true;
}

}  // namespace x11
