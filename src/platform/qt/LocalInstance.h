// The one running copy: a lock only one process can hold, and a local socket named after
// its window class (its title changes while it runs; its class does not), by which it is
// found where there is no X11 display (a Wayland session) and asked to show its window
// everywhere. Both live in the private run folder.
#pragma once

#include <string>

class QWidget;

namespace local_instance {

// False when another process holds the lock; the lock is kept until the process ends.
bool Claim(const char* name);
// Empty when there is no private folder for it.
std::string SocketName(const char* className);
// The window answers on the socket while it lives; asked to, it is shown, restored and
// brought forward, also from hidden.
void Listen(QWidget& window, const char* className);
// True when a copy answers on the socket.
bool Find(const std::string& socketName);
bool Show(const std::string& socketName);

}  // namespace local_instance
