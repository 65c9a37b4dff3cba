// CMenu over the headless world: a shown pop-up is recorded, and chooses as scripted.
#include "framework/Menu.h"
#include "framework/Templates.h"
#include "platform/emulated/Menu.h"
#include "platform/headless/HeadlessWorld.h"

// A headless menu is its items, with a menu of its own for each pop-up.
struct HMENU__ {
    std::span<const MenuItemTemplate> items;
};

namespace emulated {

HMENU BuildMenu(const MenuTemplate& menu) {
    return new HMENU__{menu.items};
}

}  // namespace emulated

CMenu* CMenu::GetSubMenu(int nPos) {
    if (m_hMenu == nullptr || nPos < 0 || static_cast<std::size_t>(nPos) >= m_hMenu->items.size() ||
        m_hMenu->items[nPos].popup.empty()) {
        return nullptr;
    }
    auto sub = std::make_unique<CMenu>();
    sub->m_hMenu = new HMENU__{m_hMenu->items[nPos].popup};
    sub->m_bOwned = true;  // headless pop-ups are copies, released with their object
    m_subMenus.push_back(std::move(sub));
    return m_subMenus.back().get();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner) {
    PopupMenuRecord record{{}, nFlags, {x, y}, pOwner->m_hWnd};
    std::vector<UINT> commands;
    for (const MenuItemTemplate& item : m_hMenu->items) {
        record.items.push_back(item.text != nullptr ? item.text : "");
        commands.push_back(item.id);
    }
    HeadlessWorld::Current().TrackPopupMenu(std::move(record), commands);
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    m_subMenus.clear();
    if (m_bOwned) {
        delete m_hMenu;
    }
    m_hMenu = nullptr;
    m_bOwned = false;
    return TRUE;
}
