// Top-level windows of the X11 display, this program's and others': the window class
// a program window is known by, the search by class and title, and activation.
// Without an X11 display (Wayland, offscreen) each call finds or does nothing.
#pragma once

class QWidget;

namespace x11 {

bool Available();
// WM_CLASS of the widget's native window: the program's name and the class.
void SetWindowClass(QWidget& window, const char* className);
// A top-level window whose class and title are those given (a null one matches any),
// hidden or shown; 0 when there is none.
unsigned long FindTopLevel(const char* className, const char* title);
// Asks the window manager to activate the window (_NET_ACTIVE_WINDOW) and raises it.
bool Activate(unsigned long window);

}  // namespace x11
