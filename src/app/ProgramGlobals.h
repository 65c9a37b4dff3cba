// Program-wide strings, mode values, timer ids and messages.
#pragma once

#include "framework/WinTypes.h"

#include <string>

extern const std::string g_strListName;  // "Kaleidra.LST"
extern std::string g_strListPath;        // set at start-up, in the Windows directory
extern const std::string g_strAppName;   // caption of the program's own message boxes
extern int g_nEntryCount;                // Image List entries counted by the last change step

inline constexpr int FREQ_MINUTES = 0;
inline constexpr int FREQ_DAILY = FREQ_MINUTES + 1;
inline constexpr int FREQ_EVERYRUN = FREQ_DAILY + 1;

inline constexpr int PICK_RANDOM = 0;
inline constexpr int PICK_SEQUENTIAL = PICK_RANDOM + 1;

inline constexpr UINT_PTR ID_TIMER_CHANGE = 1;
inline constexpr UINT_PTR ID_TIMER_HIDE = 2;
inline constexpr UINT HIDE_DELAY_MS = 500;

inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;
inline constexpr UINT ID_TRAYICON = 1;
