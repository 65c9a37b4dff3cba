#include "platform/qt/TrayIcons.h"

#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QPointer>

#include <cstring>
#include <map>
#include <utility>

namespace {

// The icons by owner window and icon id; each is a child of its window and goes with it.
std::map<std::pair<HWND, UINT>, QPointer<QSystemTrayIcon>>& Icons() {
    static std::map<std::pair<HWND, UINT>, QPointer<QSystemTrayIcon>> icons;
    return icons;
}

void Update(QSystemTrayIcon& icon, const NOTIFYICONDATAA& data) {
    if ((data.uFlags & NIF_ICON) && data.hIcon != nullptr) {
        icon.setIcon(data.hIcon->icon);
    }
    if (data.uFlags & NIF_TIP) {
        qsizetype length = static_cast<qsizetype>(strnlen(data.szTip, sizeof data.szTip));
        icon.setToolTip(QString::fromLocal8Bit(data.szTip, length));
    }
}

BOOL Add(const NOTIFYICONDATAA& data) {
    DialogWindow* window = DialogWindow::Of(data.hWnd);
    QPointer<QSystemTrayIcon>& slot = Icons()[{data.hWnd, data.uID}];
    if (window == nullptr || slot) {
        return FALSE;
    }
    auto* icon = new QSystemTrayIcon(window);
    Update(*icon, data);
    if (data.uFlags & NIF_MESSAGE) {
        const bool statusNotifier = HasStatusNotifierTray();
        const QPointer<DialogWindow> owner(window);
        const UINT message = data.uCallbackMessage;
        const UINT id = data.uID;
        QObject::connect(icon, &QSystemTrayIcon::activated, window, [=](QSystemTrayIcon::ActivationReason reason) {
            UINT mouse = TrayMouseMessage(reason, statusNotifier);
            if (owner && mouse != 0) {
                owner->Deliver(message, id, static_cast<LPARAM>(mouse));
            }
        });
    }
    icon->show();
    slot = icon;
    return TRUE;
}

}  // namespace

UINT TrayMouseMessage(QSystemTrayIcon::ActivationReason reason, bool statusNotifierTray) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Trigger:
        return statusNotifierTray ? WM_LBUTTONDBLCLK : WM_LBUTTONUP;
    case QSystemTrayIcon::Context:
        return WM_RBUTTONUP;
    default:
        return 0;
    }
}

bool HasStatusNotifierTray() {
    QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

void RemoveAllTrayIcons() {
    for (auto& [key, icon] : Icons()) {
        delete icon.data();
    }
    Icons().clear();
}

namespace fw {

BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* data) {
    auto found = Icons().find({data->hWnd, data->uID});
    QSystemTrayIcon* icon = found != Icons().end() ? found->second.data() : nullptr;
    switch (dwMessage) {
    case NIM_ADD:
        return Add(*data);
    case NIM_MODIFY:
        if (icon != nullptr) {
            Update(*icon, *data);
        }
        return icon != nullptr;
    case NIM_DELETE:
        if (found != Icons().end()) {
            delete icon;
            Icons().erase(found);
        }
        return icon != nullptr;
    default:
        return FALSE;
    }
}

}  // namespace fw
