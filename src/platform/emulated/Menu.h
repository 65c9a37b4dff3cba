// Loading a menu as the Windows program sees it, written once: CMenu::LoadMenuA and the
// destructor are defined in Menu.cpp; each host builds its menu in its own Menu.cpp.
#pragma once

#include "framework/Templates.h"
#include "framework/WinTypes.h"

namespace emulated {

// A menu of pop-ups from the template, owned by the caller until DestroyMenu.
HMENU BuildMenu(const MenuTemplate& menu);

}  // namespace emulated
