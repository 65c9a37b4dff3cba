// Where there is no X11 display (a Wayland session), another program's windows can't be
// listed: a running copy is found through a local socket named after its window class
// (its title changes while it runs; its class does not).
#pragma once

#include <string>

class QWidget;

namespace local_instance {

std::string SocketName(const char* className);
// The window answers on the socket while it lives; asked to, it comes forward.
void Listen(QWidget& window, const char* className);
// True when a copy answers on the socket.
bool Find(const std::string& socketName);
bool Activate(const std::string& socketName);

}  // namespace local_instance
