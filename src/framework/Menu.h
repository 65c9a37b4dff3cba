// CMenu: a menu loaded from the program's menu templates.
#pragma once

#include "framework/Wnd.h"

#include <memory>
#include <vector>

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenuA(UINT nIDResource);
    // The pop-up at a position, owned by this menu; null when there is none.
    CMenu* GetSubMenu(int nPos);
    // Shows the menu at a screen point; the chosen item reaches the owner as a command.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner);
    BOOL DestroyMenu();

    HMENU m_hMenu = nullptr;

private:
    bool m_bOwned = false;  // loaded here, not a pop-up of another menu
    std::vector<std::unique_ptr<CMenu>> m_subMenus;
};
