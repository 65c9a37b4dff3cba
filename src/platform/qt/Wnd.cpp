// The window framework over Qt: window operations on the dialog windows and their
// controls.
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/TrayIcons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

CWnd* CWnd::FromHandle(HWND hWnd) {
    return hWnd != nullptr ? hWnd->wnd : nullptr;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    QWidget* widget = m_hWnd->widget;
    BOOL wasVisible = widget->isVisible();
    switch (nCmdShow) {
    case SW_HIDE:
        // Until a tray takes its icon, a hidden window would be out of reach.
        if (WaitsForTray(m_hWnd)) {
            widget->showMinimized();
        } else {
            widget->hide();
        }
        break;
    case SW_MINIMIZE:
        widget->showMinimized();
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        widget->showNormal();
        widget->raise();
        widget->activateWindow();
        break;
    default:
        widget->show();
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd->widget->isVisible();
}

BOOL CWnd::IsIconic() const {
    return m_hWnd->widget->isMinimized();
}

// The window goes once the event being handled is over; a modal run in it ends now.
BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    if (m_hWnd->modalLoop != nullptr) {
        m_hWnd->modalLoop->exit();
    }
    QWidget* widget = m_hWnd->widget;
    if (DialogWindow* window = DialogWindow::Of(m_hWnd)) {
        window->Detach();
    }
    m_hWnd = nullptr;
    widget->hide();
    widget->deleteLater();
    return TRUE;
}

void CWnd::Invalidate(BOOL) {
    if (DialogWindow* window = DialogWindow::Of(m_hWnd)) {
        window->Client()->update();
    } else {
        m_hWnd->widget->update();
    }
}

namespace {

QWidget* ClientWidget(HWND hWnd) {
    DialogWindow* window = DialogWindow::Of(hWnd);
    return window != nullptr ? window->Client() : hWnd->widget.data();
}

}  // namespace

void CWnd::GetClientRect(RECT* rect) const {
    QSize size = ClientWidget(m_hWnd)->size();
    *rect = {0, 0, size.width(), size.height()};
}

void CWnd::ClientToScreen(POINT* point) const {
    QPoint screen = ClientWidget(m_hWnd)->mapToGlobal(QPoint(point->x, point->y));
    *point = {screen.x(), screen.y()};
}

CWnd* CWnd::GetDlgItem(int nID) const {
    DialogWindow* window = DialogWindow::Of(m_hWnd);
    return window != nullptr ? window->Control(static_cast<UINT>(nID)) : nullptr;
}

LRESULT CWnd::SendMessageA(UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse) {
    DialogWindow* window = DialogWindow::Of(m_hWnd);
    return window != nullptr ? window->SetTimer(nIDEvent, nElapse) : 0;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
    DialogWindow* window = DialogWindow::Of(m_hWnd);
    return window != nullptr && window->KillTimer(nIDEvent);
}

void CWnd::SetWindowTextA(const char* text) {
    QString title = QString::fromLocal8Bit(text);
    QWidget* widget = m_hWnd->widget;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(title);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(title);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(title);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(title);
    } else {
        widget->setWindowTitle(title);
    }
}

std::string CWnd::GetWindowTextA() const {
    QWidget* widget = m_hWnd->widget;
    QString title = widget->windowTitle();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        title = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        title = label->text();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        title = edit->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        title = group->title();
    }
    return title.toLocal8Bit().toStdString();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    BOOL wasDisabled = !m_hWnd->widget->isEnabled();
    m_hWnd->widget->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

CWnd* CWnd::SetFocus() {
    HWND previous = DialogWindow::HandleOf(QApplication::focusWidget());
    m_hWnd->widget->setFocus(Qt::OtherFocusReason);
    return FromHandle(previous);
}
