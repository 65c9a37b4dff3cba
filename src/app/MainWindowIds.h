// The main window's timer ids and messages.
#pragma once

#include "framework/WinTypes.h"

inline constexpr UINT_PTR ID_TIMER_CHANGE = 1;
inline constexpr UINT_PTR ID_TIMER_HIDE = 2;
inline constexpr UINT HIDE_DELAY_MS = 500;

inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;
inline constexpr UINT ID_TRAYICON = 1;
// Sent to every top-level window when the shell's taskbar (again) exists.
inline constexpr const char* TASKBAR_CREATED_MESSAGE = "TaskbarCreated";
