#include "platform/emulated/Menu.h"

#include "framework/Menu.h"

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::LoadMenuA(UINT nIDResource) {
    const MenuTemplate* menu = FindMenuTemplate(nIDResource);
    if (menu == nullptr) {
        return FALSE;
    }
    DestroyMenu();
    m_hMenu = emulated::BuildMenu(*menu);
    m_bOwned = true;
    return TRUE;
}
