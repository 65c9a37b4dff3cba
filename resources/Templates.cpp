// The program's dialog and menu templates.
#include "framework/Templates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace {

// Styles of the main window's controls: hidden push buttons (the menu carries their
// commands), and the sunken picture that centres the splash bitmap.
constexpr DWORD HIDDEN_BUTTON = WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD HIDDEN_DEFAULT_BUTTON = WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD SPLASH_PICTURE = WS_CHILD | WS_VISIBLE | WS_BORDER | SS_SUNKEN | SS_CENTERIMAGE | SS_BITMAP;

constexpr ControlTemplate MAIN_CONTROLS[] = {
    {IDOK, ControlKind::DefPushButton, "Done", 272, 132, 50, 14, HIDDEN_DEFAULT_BUTTON, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Exit", 272, 148, 50, 14, HIDDEN_BUTTON, 0, 0},
    {ID_OPEN_IMAGE, ControlKind::PushButton, "Open an image", 234, 7, 88, 14, HIDDEN_BUTTON, 0, 0},
    {IDC_SPLASH, ControlKind::Bitmap, "", 78, 68, 171, 163, SPLASH_PICTURE, WS_EX_STATICEDGE, IDB_SPLASH},
    {ID_ADD_TO_LIST, ControlKind::PushButton, "Add current image to List", 234, 22, 88, 14, HIDDEN_BUTTON, 0, 0},
    {ID_SET_AS_WALLPAPER, ControlKind::PushButton, "Set current as wallpaper", 234, 37, 88, 14, HIDDEN_BUTTON, 0, 0},
    {ID_VIEW_LIST, ControlKind::PushButton, "View/Edit Image List", 234, 51, 88, 14, HIDDEN_BUTTON, 0, 0},
    {ID_OPTIONS, ControlKind::PushButton, "Options", 272, 82, 50, 14, HIDDEN_BUTTON, 0, 0},
    {ID_HELP_TOPICS, ControlKind::PushButton, "Help", 272, 97, 50, 14, HIDDEN_BUTTON, 0, 0},
    {ID_ABOUT, ControlKind::PushButton, "About", 272, 112, 50, 14, HIDDEN_BUTTON, 0, 0},
};

// Styles of the secondary dialogs' controls.
constexpr DWORD BUTTON = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD DEFAULT_BUTTON = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
// Single selection, unsorted.
constexpr DWORD IMAGE_LIST_BOX =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
constexpr DWORD CENTRED_PICTURE = WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_BITMAP;
constexpr DWORD AUTO_CHECK_BOX = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD AUTO_RADIO_BUTTON = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
constexpr DWORD GROUP_BOX = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD MINUTES_EDIT = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

constexpr ControlTemplate IMAGE_LIST_CONTROLS[] = {
    {IDOK, ControlKind::PushButton, "OK", 292, 236, 22, 10, HIDDEN_BUTTON, 0, 0},
    {IDCANCEL, ControlKind::DefPushButton, "Back to Main", 252, 40, 62, 14, DEFAULT_BUTTON, 0, 0},
    {IDC_IMAGE_LIST, ControlKind::ListBox, "", 7, 28, 243, 176, IMAGE_LIST_BOX, WS_EX_DLGMODALFRAME, 0},
    {ID_DELETE_SELECTION, ControlKind::PushButton, "Delete Selection", 252, 8, 62, 14, BUTTON, 0, 0},
    {ID_POWER_EDIT, ControlKind::PushButton, "Power Edit!", 252, 65, 62, 14, HIDDEN_BUTTON, 0, 0},
    {ID_VIEW_FULL_IMAGE, ControlKind::PushButton, "View Full Image ", 252, 24, 62, 14, BUTTON, 0, 0},
    {IDC_STATIC, ControlKind::Bitmap, "", 7, 7, 153, 18, CENTRED_PICTURE, 0, IDB_LIST_HEADING},
};

constexpr ControlTemplate OPTIONS_CONTROLS[] = {
    {IDOK, ControlKind::DefPushButton, "OK", 161, 7, 50, 14, DEFAULT_BUTTON, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 161, 24, 50, 14, BUTTON, 0, 0},
    {IDC_RANDOM_PICK, ControlKind::CheckBox, "Randomly pick image from the list", 8, 11, 121, 10, AUTO_CHECK_BOX, 0, 0},
    {IDC_EVERY_MINUTES, ControlKind::RadioButton, "Minute(s)", 15, 59, 45, 10, AUTO_RADIO_BUTTON, 0, 0},
    {IDC_ONCE_A_DAY, ControlKind::RadioButton, "Once a day", 15, 76, 53, 10, AUTO_RADIO_BUTTON, 0, 0},
    {IDC_EVERY_RUN, ControlKind::RadioButton, "Everytime program runs", 15, 92, 89, 10, AUTO_RADIO_BUTTON, 0, 0},
    {IDC_STATIC, ControlKind::GroupBox, "Wallpaper Change Frequency", 8, 39, 121, 75, GROUP_BOX, 0, 0},
    {ID_HELP_TOPICS, ControlKind::PushButton, "Help", 161, 43, 50, 14, BUTTON, 0, 0},
    {IDC_MINUTES, ControlKind::Edit, "", 63, 58, 28, 14, MINUTES_EDIT, 0, 0},
};

constexpr ControlTemplate ABOUT_CONTROLS[] = {
    {IDOK, ControlKind::DefPushButton, "OK", 101, 82, 40, 20, DEFAULT_BUTTON, 0, 0},
    {IDCANCEL, ControlKind::PushButton, "Cancel", 226, 83, 16, 19, HIDDEN_BUTTON, 0, 0},
};

// The main window has a taskbar button while shown; the Image List dialog accepts dropped
// files too.
constexpr DWORD MAIN_WINDOW =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | DS_SETFONT;
constexpr DWORD MAIN_WINDOW_EX = WS_EX_APPWINDOW | WS_EX_ACCEPTFILES;
constexpr DWORD MODAL_DIALOG = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DialogTemplate DIALOGS[] = {
    {IDD_MAIN, 329, 292, "MS Sans Serif", 8, "Kaleidra 3.0", MAIN_WINDOW, MAIN_WINDOW_EX, IDR_MAIN_MENU,
     MAIN_WINDOW_CLASS, MAIN_CONTROLS, IDR_MAINFRAME},
    {IDD_IMAGE_LIST, 321, 253, "MS Sans Serif", 8, "Kaleidra Image List", MODAL_DIALOG, WS_EX_ACCEPTFILES, 0,
     nullptr, IMAGE_LIST_CONTROLS},
    {IDD_OPTIONS, 218, 151, "MS Sans Serif", 8, "Kaleidra Options", MODAL_DIALOG, 0, 0, nullptr, OPTIONS_CONTROLS},
    {IDD_ABOUT, 244, 103, "MS Sans Serif", 8, "About This Program", MODAL_DIALOG, 0, 0, nullptr, ABOUT_CONTROLS},
};

constexpr MenuItemTemplate FILE_MENU[] = {
    {"&Open image...", ID_OPEN_IMAGE, {}},
    {"&Add current image to list", ID_ADD_TO_LIST, {}},
    {"&Set current as wallpaper", ID_SET_AS_WALLPAPER, {}},
    {"&View/Edit Image List...", ID_VIEW_LIST, {}},
};
constexpr MenuItemTemplate APPLICATION_MENU[] = {
    {"&Options...", ID_OPTIONS, {}},
    {"Automatically run Kaleidra when Windows starts", ID_AUTO_LAUNCH, {}, false,
     "Automatically run Kaleidra when you log in"},
    {"&Hide", IDOK, {}},
    {nullptr, 0, {}},
    {"E&xit", IDCANCEL, {}},
};
constexpr MenuItemTemplate HELP_MENU[] = {
    {"&Help topics", ID_HELP_TOPICS, {}},
    {nullptr, 0, {}},
    {"&About", ID_ABOUT, {}},
};
constexpr MenuItemTemplate MAIN_MENU_BAR[] = {
    {"&File", 0, FILE_MENU},
    {"&Application", 0, APPLICATION_MENU},
    {"&Help", 0, HELP_MENU, true},
};

constexpr MenuTemplate MENUS[] = {
    {IDR_MAIN_MENU, MAIN_MENU_BAR},
};

template <class Table>
const auto* FindById(const Table& table, UINT id) {
    for (const auto& entry : table) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return static_cast<decltype(&table[0])>(nullptr);
}

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
    return FindById(DIALOGS, id);
}

const MenuTemplate* FindMenuTemplate(UINT id) {
    return FindById(MENUS, id);
}
