// Ids of the program's templates, icons, bitmaps and commands.
#pragma once

#include "framework/WinTypes.h"

inline constexpr UINT IDR_MAINFRAME = 128;  // the program's icon, 32 x 32 and 16 x 16
inline constexpr UINT IDB_SPLASH = 130;     // the main window's picture until an image is opened
inline constexpr UINT IDB_LIST_HEADING = 139;      // "Current Image List" over the Image List dialog's box
inline constexpr UINT IDB_ABOUT_BACKGROUND = 143;  // the brick wall the About dialog stretches

// The id of a control the program never addresses (a label, a picture).
inline constexpr UINT IDC_STATIC = static_cast<UINT>(-1);

inline constexpr UINT IDD_MAIN = 102;
// The main window's own window class, by which a second start finds a running copy
// whatever its title shows.
inline constexpr const char* MAIN_WINDOW_CLASS = "KaleidraMainWindow";
inline constexpr UINT IDR_MAIN_MENU = 135;

// Main window commands (menu items and their hidden buttons).
inline constexpr UINT ID_OPEN_IMAGE = 1000;
inline constexpr UINT IDC_SPLASH = 1006;
inline constexpr UINT ID_ADD_TO_LIST = 1007;
inline constexpr UINT ID_SET_AS_WALLPAPER = 1008;
inline constexpr UINT ID_VIEW_LIST = 1009;
inline constexpr UINT ID_OPTIONS = 1010;
inline constexpr UINT ID_HELP_TOPICS = 1011;
inline constexpr UINT ID_ABOUT = 1012;
inline constexpr UINT ID_AUTO_LAUNCH = 32789;

// The Image List dialog.
inline constexpr UINT IDD_IMAGE_LIST = 138;
inline constexpr UINT IDC_IMAGE_LIST = 1016;
inline constexpr UINT ID_DELETE_SELECTION = 1017;
inline constexpr UINT ID_POWER_EDIT = 1018;
inline constexpr UINT ID_VIEW_FULL_IMAGE = 1019;

// The Options dialog; its Help button carries ID_HELP_TOPICS.
inline constexpr UINT IDD_OPTIONS = 141;
inline constexpr UINT IDC_RANDOM_PICK = 1005;
inline constexpr UINT IDC_EVERY_MINUTES = 1021;
inline constexpr UINT IDC_ONCE_A_DAY = 1022;
inline constexpr UINT IDC_EVERY_RUN = 1023;
inline constexpr UINT IDC_MINUTES = 1026;

inline constexpr UINT IDD_ABOUT = 142;
