// CMenu over QMenu: a loaded menu is a menu of pop-ups, built from its template.
#include "framework/Menu.h"
#include "platform/emulated/Menu.h"
#include "platform/qt/DialogWindow.h"
#include "platform/qt/MenuBuilder.h"

#include <QAction>

namespace emulated {

HMENU BuildMenu(const MenuTemplate& menu) {
    return new HMENU__{BuildPopupMenu(QString(), menu.items, nullptr)};
}

}  // namespace emulated

CMenu* CMenu::GetSubMenu(int nPos) {
    if (m_hMenu == nullptr) {
        return nullptr;
    }
    QList<QAction*> actions = m_hMenu->menu->actions();
    if (nPos < 0 || nPos >= actions.size() || actions[nPos]->menu() == nullptr) {
        return nullptr;
    }
    auto sub = std::make_unique<CMenu>();
    sub->m_hMenu = new HMENU__{actions[nPos]->menu()};  // the QMenu stays its parent's
    m_subMenus.push_back(std::move(sub));
    return m_subMenus.back().get();
}

// The chosen item is posted to the owner, as on Windows.
BOOL CMenu::TrackPopupMenu(UINT, int x, int y, CWnd* pOwner) {
    DialogWindow* owner = pOwner != nullptr ? DialogWindow::Of(pOwner->m_hWnd) : nullptr;
    if (m_hMenu == nullptr || owner == nullptr) {
        return FALSE;
    }
    if (std::optional<UINT> command = CommandOf(m_hMenu->menu->exec(QPoint(x, y)))) {
        owner->PostCommand(*command);
    }
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    m_subMenus.clear();
    if (m_hMenu != nullptr && m_bOwned) {
        delete m_hMenu->menu;
    }
    delete m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = false;
    return TRUE;
}
