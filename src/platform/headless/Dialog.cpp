// The dialog manager's parts over the headless world: a dialog's window is the world's
// record of it, and its modal loop is the test's script for it.
#include "platform/emulated/Dialog.h"
#include "platform/headless/HeadlessWorld.h"

namespace emulated {

void CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate) {
    dialog.m_hWnd = HeadlessWorld::Current().CreateDialogWindow(dialog, dialogTemplate);
}

void ShowDialogWindow(HWND hWnd) {
    hWnd->visible = true;
    hWnd->needsPaint = true;
}

void RunModalLoop(CDialog& dialog) {
    HeadlessWorld& world = HeadlessWorld::Current();
    world.Pump();
    world.RunModalLoop(dialog);
}

std::optional<int> ModalResult(HWND hWnd) {
    return hWnd->modalEnded ? std::optional(hWnd->modalResult) : std::nullopt;
}

void EndModalLoop(HWND hWnd, int result) {
    hWnd->modalEnded = true;
    hWnd->modalResult = result;
}

void SetWindowIcon(HWND hWnd, WPARAM size, HICON icon) {
    (size == ICON_BIG ? hWnd->bigIcon : hWnd->smallIcon) = icon;
}

}  // namespace emulated
