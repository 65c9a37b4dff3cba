#include "platform/qt/LocalInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cstdlib>

#include <unistd.h>

namespace local_instance {

namespace {

constexpr int CONNECT_TIMEOUT_MS = 500;
constexpr char ACTIVATE[] = "activate\n";

}  // namespace

// In the session's runtime folder, which is the user's own; without one, in the
// temporary folder with the user's id in the name.
std::string SocketName(const char* className) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        return std::string(runtime) + "/kaleidra-" + className;
    }
    return "kaleidra-" + std::to_string(::getuid()) + "-" + className;
}

void Listen(QWidget& window, const char* className) {
    QString name = QString::fromStdString(SocketName(className));
    auto* server = new QLocalServer(&window);
    QLocalServer::removeServer(name);  // left by a copy that ended without closing it
    if (!server->listen(name)) {
        delete server;
        return;
    }
    QObject::connect(server, &QLocalServer::newConnection, &window, [server, &window] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            QObject::connect(client, &QLocalSocket::readyRead, &window, [client, &window] {
                if (client->readAll().contains(ACTIVATE)) {
                    window.raise();
                    window.activateWindow();
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

bool Activate(const std::string& socketName) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketName));
    if (!socket.waitForConnected(CONNECT_TIMEOUT_MS)) {
        return false;
    }
    socket.write(ACTIVATE);
    bool written = socket.waitForBytesWritten(CONNECT_TIMEOUT_MS);
    socket.disconnectFromServer();
    return written;
}

}  // namespace local_instance
