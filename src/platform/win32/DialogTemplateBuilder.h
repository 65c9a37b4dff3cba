// The in-memory extended dialog template (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX items)
// that the dialog manager builds a window from, made from one of our dialog templates.
// Plain data, so that it is built and checked the same on every host.
#pragma once

#include "framework/Templates.h"

#include <vector>

// The window-class atoms of the system's predefined control classes.
inline constexpr WORD BUTTON_CLASS_ATOM = 0x0080;
inline constexpr WORD EDIT_CLASS_ATOM = 0x0081;
inline constexpr WORD STATIC_CLASS_ATOM = 0x0082;
inline constexpr WORD LISTBOX_CLASS_ATOM = 0x0083;

inline constexpr DWORD DS_SETFONT_STYLE = 0x00000040;

WORD ControlClassAtom(ControlKind kind);

// The template as the 16-bit words the system reads, DWORD-aligned where it asks for it
// (the vector's storage itself is suitably aligned). Texts are taken as Latin-1. The menu
// field is left empty: the menu bar is built from our menu template once the window exists.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialog);
