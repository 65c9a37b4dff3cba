// The dialog manager as the Windows program sees it, written once: the steps of a modal run
// (CDialog::DoModal, EndDialog) and the default processing of a message (CWnd::Default) are
// defined in Dialog.cpp; each host supplies the parts below, in its own Dialog.cpp.
#pragma once

#include "framework/Dialog.h"
#include "framework/Templates.h"

#include <optional>

namespace emulated {

// Creates the dialog's window and its controls from the template (null: a bare window) and
// sets the dialog's m_hWnd.
void CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate);
void ShowDialogWindow(HWND hWnd);
// Returns once EndDialog or the window's destruction has ended the run.
void RunModalLoop(CDialog& dialog);
// The result EndDialog gave; none while the run goes on.
std::optional<int> ModalResult(HWND hWnd);
void EndModalLoop(HWND hWnd, int result);

// A control's answer to a button or list-box message; none for another message or window.
std::optional<LRESULT> ControlMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// WM_SETICON: the window takes the icon as its big (ICON_BIG) or small one.
void SetWindowIcon(HWND hWnd, WPARAM size, HICON icon);

}  // namespace emulated
