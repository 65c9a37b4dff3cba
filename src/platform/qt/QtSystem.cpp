// The system services of a Linux desktop session.
#include "framework/SystemServices.h"
#include "framework/WaitCursor.h"
#include "platform/posix/PosixFiles.h"
#include "platform/qt/DesktopWallpaper.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/LocalInstance.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/TrayIcons.h"
#include "platform/qt/X11Windows.h"
#include "platform/qt/XdgPaths.h"
#include "framework/ResourceData.h"

#include <QApplication>
#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>

#include <fcntl.h>
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

unsigned g_randState = 1;

bool SyncToDisk(const char* path) {
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool synced = ::fsync(fd) == 0;
    int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

}  // namespace

namespace fw {

std::string GetWindowsDirectoryA() {
    std::filesystem::path folder = xdg::DataHome() / "kaleidra";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}

std::string GetModuleFileNameA() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

// "C:\Kaleidra\Kaleidra.LST" is ~/Kaleidra/Kaleidra.LST: drive C: is the home folder.
std::string NativePath(std::string_view windowsPath) {
    std::string relative(windowsPath);
    if (relative.size() >= 2 && relative[1] == ':') {
        relative.erase(0, 2);
    }
    std::replace(relative.begin(), relative.end(), '\\', '/');
    relative.erase(0, relative.find_first_not_of('/'));
    return (xdg::Home() / relative).string();
}

BOOL SystemParametersInfoA(UINT uiAction, UINT, const char* pvParam, UINT) {
    if (uiAction != SPI_SETDESKWALLPAPER || pvParam == nullptr) {
        SetLastError(EINVAL);
        return FALSE;
    }
    return SetDesktopWallpaper(pvParam);
}

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists) {
    return posix::CopyFile(existingFile, newFile, failIfExists != FALSE);
}

BOOL DeleteFileA(const char* fileName) {
    return posix::DeleteFile(fileName);
}

// Written through: the moved contents and the folder's new entry are on disk before it
// returns, so a crash leaves the old file or the whole new one.
BOOL MoveFileExA(const char* existingFile, const char* newFile, DWORD flags) {
    bool writeThrough = (flags & MOVEFILE_WRITE_THROUGH) != 0;
    if (writeThrough && !SyncToDisk(existingFile)) {
        return FALSE;
    }
    if (!posix::MoveFile(existingFile, newFile, (flags & MOVEFILE_REPLACE_EXISTING) != 0)) {
        return FALSE;
    }
    std::filesystem::path folder = std::filesystem::absolute(newFile).parent_path();
    return !writeThrough || SyncToDisk(folder.c_str());
}

// Nothing of the program runs after this, as on Windows; the tray icons go first so no
// tray host keeps a dead one.
void ExitProcess(UINT exitCode) {
    RemoveAllTrayIcons();
    std::fflush(nullptr);
    std::_Exit(static_cast<int>(exitCode));
}

HWND FindWindowA(const char* className, const char* windowName) {
    if (x11::Available()) {
        unsigned long window = x11::FindTopLevel(className, windowName);
        return window != 0 ? ForeignWindow(window, {}) : nullptr;
    }
    if (className == nullptr) {
        return nullptr;
    }
    std::string socket = local_instance::SocketName(className);
    return local_instance::Find(socket) ? ForeignWindow(0, socket) : nullptr;
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
    if (!hWnd->foreignSocket.empty()) {
        return local_instance::Activate(hWnd->foreignSocket);
    }
    return x11::Activate(hWnd->foreignWindow);
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

int GetSystemMetrics(int nIndex) {
    constexpr int ICON_SIZE = 32;
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? ICON_SIZE : 0;
}

std::string DragQueryFileA(HDROP hDrop, UINT index) {
    return index < hDrop->files.size() ? hDrop->files[index] : std::string();
}

void DragFinish(HDROP hDrop) {
    hDrop->finished = true;
}

std::string _strdate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%y", &local);
    return text;
}

std::time_t time() {
    return std::time(nullptr);
}

// The Windows C runtime's generator, so a seed draws what it draws on Windows.
void srand(unsigned seed) {
    g_randState = seed;
}

int rand() {
    g_randState = g_randState * 214013u + 2531011u;
    return static_cast<int>((g_randState >> 16) & 0x7FFF);
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

CWaitCursor::CWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor() {
    QApplication::restoreOverrideCursor();
}
