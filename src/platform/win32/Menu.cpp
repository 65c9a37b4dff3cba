// CMenu over USER32: menus built from the program's templates.
#include "framework/Menu.h"
#include "platform/win32/Resources.h"

#include <memory>

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::LoadMenuA(UINT nIDResource) {
    DestroyMenu();
    m_hMenu = win32::BuildMenu(nIDResource);
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

CMenu* CMenu::GetSubMenu(int nPos) {
    HMENU popup = m_hMenu != nullptr ? ::GetSubMenu(m_hMenu, nPos) : nullptr;
    if (popup == nullptr) {
        return nullptr;
    }
    auto sub = std::make_unique<CMenu>();
    sub->m_hMenu = popup;  // destroyed with the menu that holds it
    m_subMenus.push_back(std::move(sub));
    return m_subMenus.back().get();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pOwner->m_hWnd, nullptr);
}

BOOL CMenu::DestroyMenu() {
    m_subMenus.clear();
    BOOL destroyed = m_bOwned ? ::DestroyMenu(m_hMenu) : FALSE;
    m_hMenu = nullptr;
    m_bOwned = false;
    return destroyed;
}
