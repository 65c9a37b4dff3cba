// The program's dialog and menu templates.
#include "framework/Templates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace {

// Styles of the main window's controls: hidden push buttons (the menu carries their
// commands), and the sunken picture that centres the splash bitmap.
constexpr DWORD HIDDEN_BUTTON = 0x40010000;
constexpr DWORD HIDDEN_DEFAULT_BUTTON = 0x40010001;
constexpr DWORD SPLASH_PICTURE = 0x5080120E;

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
constexpr DWORD BUTTON = 0x50010000;
constexpr DWORD DEFAULT_BUTTON = 0x50010001;
// Thin border, vertical scroll bar always shown, no integral height, notifies its parent,
// single selection, unsorted.
constexpr DWORD IMAGE_LIST_BOX = 0x50A11101;
constexpr DWORD CENTRED_PICTURE = 0x5000020E;
constexpr DWORD AUTO_CHECK_BOX = 0x50010003;
constexpr DWORD AUTO_RADIO_BUTTON = 0x50000009;  // no tab stop
constexpr DWORD GROUP_BOX = 0x50000007;
constexpr DWORD MINUTES_EDIT = 0x50810080;       // border, scrolls horizontally

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

// The main window: pop-up, visible, caption, system menu, sizing frame, minimize box;
// accepts dropped files and has a taskbar button while shown. The others: a modal frame
// with caption and system menu; the Image List dialog accepts dropped files.
constexpr DWORD MODAL_DIALOG = 0x90C800C0;
constexpr DialogTemplate DIALOGS[] = {
    {IDD_MAIN, 329, 292, "MS Sans Serif", 8, "Kaleidra 3.0", 0x90CE0040, 0x00040010, IDR_MAIN_MENU,
     MAIN_WINDOW_CLASS, MAIN_CONTROLS},
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
    {"Automatically run Kaleidra when Windows starts", ID_AUTO_LAUNCH, {}},
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
