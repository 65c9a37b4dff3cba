#include "platform/qt/TrayIcons.h"

#include "framework/SystemServices.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/MessageBoxes.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {

using IconKey = std::pair<HWND, UINT>;

constexpr int TRAY_WATCH_MS = 1000;
constexpr char NO_TRAY_CAPTION[] = "Kaleidra";
constexpr char NO_TRAY_NOTICE[] =
    "This desktop has no notification area (system tray) for Kaleidra's icon, so Kaleidra minimizes "
    "its window instead of hiding it. Start Kaleidra again to bring its window back.\r\n\r\n"
    "On GNOME, the extension \"AppIndicator and KStatusNotifierItem Support\" adds a notification "
    "area; Kaleidra puts its icon there as soon as one appears.";

// The icons by owner window and icon id; each is a child of its window and goes with it.
std::map<IconKey, QPointer<QSystemTrayIcon>>& Icons() {
    static std::map<IconKey, QPointer<QSystemTrayIcon>> icons;
    return icons;
}

// Icons added while the session had no tray, made when one appears.
std::map<IconKey, NOTIFYICONDATAA>& Waiting() {
    static std::map<IconKey, NOTIFYICONDATAA> waiting;
    return waiting;
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

BOOL Add(const NOTIFYICONDATAA& data);

void AddWaitingIcons() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    auto waiting = std::exchange(Waiting(), {});
    for (const auto& [key, data] : waiting) {
        Add(data);
    }
}

// Told once a process, when the first icon finds no tray; the box goes up once the
// current step is over. The session is asked for a tray only while an icon waits for one.
void WaitForTray(const NOTIFYICONDATAA& data) {
    static QTimer* watch = nullptr;
    if (watch == nullptr) {
        watch = new QTimer(QCoreApplication::instance());
        QObject::connect(watch, &QTimer::timeout, [] {
            AddWaitingIcons();
            if (Waiting().empty()) {
                watch->stop();
            }
        });
        QTimer::singleShot(0, [] { ShowMessageBox(nullptr, NO_TRAY_NOTICE, NO_TRAY_CAPTION, MB_OK | MB_ICONINFORMATION); });
    }
    Waiting()[{data.hWnd, data.uID}] = data;
    watch->start(TRAY_WATCH_MS);
}

BOOL Add(const NOTIFYICONDATAA& data) {
    DialogWindow* window = DialogWindow::Of(data.hWnd);
    QPointer<QSystemTrayIcon>& slot = Icons()[{data.hWnd, data.uID}];
    if (window == nullptr || slot || Waiting().contains({data.hWnd, data.uID})) {
        return FALSE;
    }
    // Qt takes the D-Bus tray or the X11 one at its first look for a tray and keeps to it,
    // also when another kind appears later; the clicks are read by that same look.
    static const bool statusNotifier = HasStatusNotifierTray();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        WaitForTray(data);
        return FALSE;
    }
    auto* icon = new QSystemTrayIcon(window);
    Update(*icon, data);
    if (data.uFlags & NIF_MESSAGE) {
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
    Waiting().clear();
}

bool WaitsForTray(HWND hWnd) {
    return std::any_of(Waiting().begin(), Waiting().end(), [hWnd](const auto& entry) { return entry.first.first == hWnd; });
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
        Waiting().erase({data->hWnd, data->uID});
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
