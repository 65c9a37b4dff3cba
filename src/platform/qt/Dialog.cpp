// The dialog manager's parts over Qt: a dialog's window is a DialogWindow, and its modal
// run is a local event loop.
#include "platform/emulated/Dialog.h"
#include "platform/qt/DialogWindow.h"

#include <QEventLoop>

namespace emulated {

void CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate) {
    HWND ownerWindow = dialog.OwnerWindow();
    QWidget* owner = ownerWindow != nullptr ? ownerWindow->widget.data() : nullptr;
    auto* window = new DialogWindow(dialog, dialogTemplate, owner);
    if (owner != nullptr) {
        window->setWindowModality(Qt::WindowModal);
    }
}

void ShowDialogWindow(HWND hWnd) {
    hWnd->widget->show();
}

void RunModalLoop(CDialog& dialog) {
    // The handle outlives a DestroyWindow inside the run: its window is deleted later.
    HWND handle = dialog.m_hWnd;
    QEventLoop loop;
    handle->modalLoop = &loop;
    loop.exec();
    handle->modalLoop = nullptr;
}

std::optional<int> ModalResult(HWND hWnd) {
    return hWnd->modalEnded ? std::optional(hWnd->modalResult) : std::nullopt;
}

void EndModalLoop(HWND hWnd, int result) {
    hWnd->modalEnded = true;
    hWnd->modalResult = result;
    if (hWnd->modalLoop != nullptr) {
        hWnd->modalLoop->exit();
    }
}

// Qt keeps one icon a window, for the title bar and the task bar alike.
void SetWindowIcon(HWND hWnd, WPARAM, HICON icon) {
    if (icon != nullptr) {
        hWnd->widget->setWindowIcon(icon->icon);
    }
}

}  // namespace emulated
