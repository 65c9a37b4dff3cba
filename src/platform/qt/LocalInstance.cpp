#include "platform/qt/LocalInstance.h"

#include "platform/qt/RunFolder.h"

#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace local_instance {

namespace {

constexpr int CONNECT_TIMEOUT_MS = 500;
constexpr char SHOW[] = "activate\n";  // the word earlier builds understand
constexpr char SHOWN[] = "shown\n";

// A minimized window cannot be restored by its program everywhere (Wayland has no such
// request); one hidden first comes back as a new window.
void ShowInFront(QWidget& window) {
    if (window.isMinimized()) {
        window.hide();
    }
    window.showNormal();
    window.raise();
    window.activateWindow();
}

}  // namespace

// The descriptor stays open, unseen by commands the program starts. Without a private
// folder or a lock file nothing can be decided, so the program starts.
bool Claim(const char* name) {
    if (run_folder::Path().empty()) {
        return true;
    }
    std::string lockFile = run_folder::Path() + "/" + name + ".lock";
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        return true;
    }
    bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldElsewhere;
}

std::string SocketName(const char* className) {
    return run_folder::Path().empty() ? std::string() : run_folder::Path() + "/" + className;
}

void Listen(QWidget& window, const char* className) {
    QString name = QString::fromStdString(SocketName(className));
    if (name.isEmpty()) {
        return;
    }
    auto* server = new QLocalServer(&window);
    QLocalServer::removeServer(name);  // left by a copy that ended without closing it
    if (!server->listen(name)) {
        delete server;
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, &window, [server, &window] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::readyRead, &window, [client, &window] {
                if (client->readAll().contains(SHOW)) {
                    ShowInFront(window);
                    QGuiApplication::sync();
                    client->write(SHOWN);
                }
            });
            QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
}

bool Find(const std::string& socketName) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName));
    return socket.waitForConnected(CONNECT_TIMEOUT_MS);
}

bool Show(const std::string& socketName) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName));
    if (!socket.waitForConnected(CONNECT_TIMEOUT_MS)) {
        return false;
    }
    socket.write(SHOW);
    bool written = socket.waitForBytesWritten(CONNECT_TIMEOUT_MS);
    // The window is mapped once the answer comes, so the window manager can activate it.
    socket.waitForReadyRead(CONNECT_TIMEOUT_MS);
    socket.disconnectFromServer();
    return written;
}

}  // namespace local_instance
