// The notification-area icons: QSystemTrayIcon, its activations told to the owner
// window as the mouse messages Windows sends. A session may have no tray at start-up
// (stock GNOME, or an autostart before the panel): the user is told once, and the icons
// come when a tray does.
#pragma once

#include "framework/WinTypes.h"

#include <QSystemTrayIcon>

// The mouse message for an activation; 0 for none. A tray that speaks D-Bus
// (StatusNotifierItem) has no double-click: its single activation stands for one.
UINT TrayMouseMessage(QSystemTrayIcon::ActivationReason reason, bool statusNotifierTray);

// Whether the session's tray is a StatusNotifierItem host on D-Bus.
bool HasStatusNotifierTray();

// Removes every icon: the process is about to end.
void RemoveAllTrayIcons();

// Whether an icon of the window waits for a tray to appear (there was none when it was added).
bool WaitsForTray(HWND hWnd);
