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

// Pop-up, visible, caption, system menu, sizing frame, minimize box; accepts dropped
// files and has a taskbar button while shown.
constexpr DialogTemplate DIALOGS[] = {
    {IDD_MAIN, 329, 292, "MS Sans Serif", 8, "Kaleidra 3.0", 0x90CE0040, 0x00040010, IDR_MAIN_MENU,
     MAIN_WINDOW_CLASS, MAIN_CONTROLS},
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
