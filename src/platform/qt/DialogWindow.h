// DialogWindow: a program dialog as a Qt top-level window. It is built from the dialog
// template (menu bar, client area, controls at the sizes the dialog units give) and
// turns Qt's events into the Windows messages the dialog's message table expects.
#pragma once

#include "framework/Dialog.h"
#include "framework/Templates.h"
#include "platform/qt/Handles.h"

#include <QWidget>

#include <memory>
#include <vector>

class ClientArea;
class QMenuBar;

class DialogWindow : public QWidget {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate, QWidget* parent);

    // The window of a handle, or null for a control or another program's window.
    static DialogWindow* Of(HWND hWnd);

    HWND Handle() { return &m_handle; }
    QWidget* Client() const;
    QMenuBar* MenuBar() const { return m_menuBar; }
    CWnd* Control(UINT id) const;
    // The handle of one of this program's windows or controls; null for another widget.
    static HWND HandleOf(QWidget* widget);

    // The program's window is destroyed: no message reaches it from now on, while the
    // native window waits to be deleted.
    void Detach();

    // Sends a message to the dialog now, or once the current event is over.
    LRESULT Deliver(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void PostCommand(UINT id);

    // Window timers: WM_TIMER with the program's id. Setting an existing id restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    bool KillTimer(UINT_PTR id);

    // The answer to the colour request for a kind of control (CTLCOLOR_DLG, ...).
    std::optional<CtlColor> AskColors(UINT type);

    // The dialog is being painted: its painter, for CPaintDC.
    void PaintClient(QPainter& painter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void BuildMenuBar(UINT menuId);
    void BuildControls(const DialogTemplate& dialogTemplate);
    void ApplyStyle(const DialogTemplate& dialogTemplate);
    void PressHelpKey();

    HWND__ m_handle;
    ClientArea* m_client = nullptr;
    QMenuBar* m_menuBar = nullptr;
    std::vector<std::unique_ptr<HWND__>> m_controls;
    UINT m_defaultCommand = IDOK;
};
