// Dialog and menu templates: the program's windows described as data, from which every
// host builds its native windows. The program supplies the tables (resources/).
#pragma once

#include "framework/WinTypes.h"

#include <span>

enum class ControlKind { PushButton, DefPushButton, Bitmap, Text, GroupBox, CheckBox, RadioButton, Edit, ListBox };

struct ControlTemplate {
    UINT id;
    ControlKind kind;
    const char* text;
    short x, y, cx, cy;  // dialog units
    DWORD style;
    DWORD exStyle;
    UINT bitmapId;  // for ControlKind::Bitmap
};

struct DialogTemplate {
    UINT id;
    short cx, cy;  // dialog units
    const char* fontName;
    WORD pointSize;
    const char* caption;
    DWORD style;
    DWORD exStyle;
    UINT menuId;              // 0: no menu bar
    const char* windowClass;  // null: the system's dialog class
    std::span<const ControlTemplate> controls;
    UINT classIconId = 0;  // the icon of the template's own window class
};

struct MenuItemTemplate {
    const char* text;  // null for a separator
    UINT id;           // the command; 0 for a pop-up
    std::span<const MenuItemTemplate> popup;
    bool rightAligned = false;  // placed at the right end of a menu bar
    const char* sessionText = nullptr;  // the text on a Linux desktop session, where it differs
};

struct MenuTemplate {
    UINT id;
    std::span<const MenuItemTemplate> items;
};

// Null when the program has no template of that id.
const DialogTemplate* FindDialogTemplate(UINT id);
const MenuTemplate* FindMenuTemplate(UINT id);
