// The dialog manager's parts over Qt: a dialog's window is a DialogWindow, and its modal
// run is a local event loop.
#include "framework/WinApp.h"
#include "platform/emulated/Dialog.h"
#include "platform/qt/DialogWindow.h"

#include <QEventLoop>

namespace {

// Without a parent the main window owns the dialog, which keeps it above and blocked.
QWidget* OwnerOf(CDialog& dialog) {
    CWnd* parent = dialog.ParentWnd() != nullptr ? dialog.ParentWnd() : AfxGetMainWnd();
    if (parent == &dialog || parent == nullptr || parent->m_hWnd == nullptr) {
        return nullptr;
    }
    return parent->m_hWnd->widget.data();
}

}  // namespace

namespace emulated {

void CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate) {
    QWidget* owner = OwnerOf(dialog);
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
