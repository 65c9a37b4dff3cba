// The program's objects for native windows: dialogs register themselves when created,
// and a control gets an object of its own the first time it is asked for.
#pragma once

#include "framework/Wnd.h"

namespace win32 {

void AttachWindow(HWND hWnd, CWnd* wnd);
// Forgets the window and the objects of its controls.
void DetachWindow(HWND hWnd);
CWnd* FindWindowObject(HWND hWnd);
// The object of a dialog's control; null when the dialog has no such control.
CWnd* ControlObject(HWND dialog, int id);
// The object for a window that a colour message names: the dialog itself or a control.
CWnd* ColourTarget(CWnd& dialog, HWND hWnd);

}  // namespace win32
