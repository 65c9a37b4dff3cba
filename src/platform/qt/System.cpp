// The system services of a Linux desktop session.
#include "framework/SystemServices.h"
#include "platform/emulated/System.h"
#include "platform/qt/DesktopWallpaper.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/LocalInstance.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/TrayIcons.h"
#include "platform/qt/X11Windows.h"
#include "framework/ResourceData.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <deque>
#include <map>
#include <memory>
#include <utility>

#include <unistd.h>

namespace {

// Handles of other programs' windows found by FindWindowA; few, kept for the process.
HWND ForeignWindow(unsigned long xWindow, std::string socketName) {
    static std::deque<std::unique_ptr<HWND__>> windows;
    auto handle = std::make_unique<HWND__>();
    handle->foreignWindow = xWindow;
    handle->foreignSocket = std::move(socketName);
    windows.push_back(std::move(handle));
    return windows.back().get();
}

QIcon IconFromFile(std::span<const unsigned char> bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "ICO");
    QIcon icon;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        icon.addPixmap(QPixmap::fromImage(image));
        if (!reader.jumpToNextImage()) {
            break;
        }
    }
    return icon;
}

}  // namespace

namespace fw {

BOOL SystemParametersInfoA(UINT uiAction, UINT, const char* pvParam, UINT) {
    if (uiAction != SPI_SETDESKWALLPAPER || pvParam == nullptr) {
        SetLastError(EINVAL);
        return FALSE;
    }
    if (SetDesktopWallpaper(pvParam)) {
        return TRUE;
    }
    // Said once: the next change would fail the same way.
    static bool told = false;
    if (errno == ENOTSUP && !std::exchange(told, true)) {
        ShowMessageBox(QApplication::activeWindow(), NoWallpaperMethodNotice().c_str(), AfxGetAppName().c_str(),
                       MB_OK | MB_ICONINFORMATION);
        errno = ENOTSUP;
    }
    return FALSE;
}

// Nothing of the program runs after this, as on Windows; the tray icons go first so no
// tray host keeps a dead one.
void ExitProcess(UINT exitCode) {
    RemoveAllTrayIcons();
    std::fflush(nullptr);
    std::_Exit(static_cast<int>(exitCode));
}

// A window of our class also answers on its socket, which can show it where X11 cannot.
HWND FindWindowA(const char* className, const char* windowName) {
    std::string socket = className != nullptr ? local_instance::SocketName(className) : std::string();
    if (x11::Available()) {
        unsigned long window = x11::FindTopLevel(className, windowName);
        return window != 0 ? ForeignWindow(window, socket) : nullptr;
    }
    return !socket.empty() && local_instance::Find(socket) ? ForeignWindow(0, socket) : nullptr;
}

BOOL SetForegroundWindow(HWND hWnd) {
    if (hWnd == nullptr) {
        return FALSE;
    }
    if (hWnd->widget) {
        hWnd->widget->raise();
        hWnd->widget->activateWindow();
        return TRUE;
    }
    if (hWnd->foreignWindow != 0) {
        return x11::Activate(hWnd->foreignWindow);
    }
    return local_instance::Show(hWnd->foreignSocket);
}

// Another copy's window is shown by that copy, asked on its socket.
BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    if (hWnd == nullptr) {
        return FALSE;
    }
    if (CWnd* own = CWnd::FromHandle(hWnd)) {
        return own->ShowWindow(nCmdShow);
    }
    return !hWnd->foreignSocket.empty() && local_instance::Show(hWnd->foreignSocket);
}

bool IsWindowsSession() {
    return false;
}

bool ClaimSingleInstance(const char* name) {
    return local_instance::Claim(name);
}

void Sleep(DWORD milliseconds) {
    ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
}

// Nothing on Linux needs the component library.
void CoInitialize() {}
void CoUninitialize() {}

HICON LoadIconA(UINT nIDResource) {
    static std::map<UINT, std::unique_ptr<HICON__>> icons;
    auto& icon = icons[nIDResource];
    if (!icon) {
        std::span<const unsigned char> bytes = FindResourceData(ResourceKind::Icon, nIDResource);
        if (bytes.empty()) {
            return nullptr;
        }
        icon = std::make_unique<HICON__>(HICON__{IconFromFile(bytes)});
    }
    return icon.get();
}

std::string _strdate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return emulated::StrDate(local);
}

std::time_t time() {
    return std::time(nullptr);
}

int AfxMessageBox(const char* text, UINT type) {
    return ShowMessageBox(QApplication::activeWindow(), text, AfxGetAppName().c_str(), type);
}

int MessageBoxA(HWND hWnd, const char* text, const char* caption, UINT type) {
    return ShowMessageBox(hWnd != nullptr ? hWnd->widget.data() : nullptr, text, caption, type);
}

HWND GetActiveWindow() {
    auto* window = dynamic_cast<DialogWindow*>(QApplication::activeWindow());
    return window != nullptr ? window->Handle() : nullptr;
}

}  // namespace fw
