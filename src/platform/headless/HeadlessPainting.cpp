// Painting, menus, the file dialog and the busy cursor over the headless world: each is
// recorded for the test to inspect, and menus and file dialogs answer as scripted.
#include "framework/FileDialog.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/Templates.h"
#include "framework/WaitCursor.h"
#include "platform/headless/HeadlessWorld.h"

#include <cstdlib>
#include <utility>

namespace {

PaintRecord NewRecord(PaintRecord::Kind kind, HWND hWnd, RECT dest) {
    PaintRecord record{};
    record.kind = kind;
    record.hWnd = hWnd;
    record.dest = dest;
    return record;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_hDC(reinterpret_cast<HDC>(pWnd->m_hWnd)) {
    m_pWnd->m_hWnd->bkMode = OPAQUE;
    m_pWnd->m_hWnd->textColor = RGB(0, 0, 0);
}

CPaintDC::~CPaintDC() {
    m_pWnd->m_hWnd->needsPaint = false;
}

int CPaintDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int, int, int, int,
                            const void* bits, const BITMAPINFOHEADER* header, UINT, DWORD) {
    PaintRecord record = NewRecord(PaintRecord::Kind::StretchDIBits, m_pWnd->m_hWnd, {xDest, yDest, destWidth, destHeight});
    record.header = *header;
    if (bits != nullptr) {
        std::size_t rowBytes = (static_cast<std::size_t>(header->biWidth) * header->biBitCount + 31) / 32 * 4;
        auto* bytes = static_cast<const unsigned char*>(bits);
        record.bits.assign(bytes, bytes + rowBytes * static_cast<std::size_t>(std::abs(header->biHeight)));
    }
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return bits != nullptr ? destHeight : 0;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    PaintRecord record = NewRecord(PaintRecord::Kind::DrawIcon, m_pWnd->m_hWnd, {x, y, 0, 0});
    record.icon = hIcon;
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}

BOOL CPaintDC::StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc,
                          int srcWidth, int srcHeight, DWORD) {
    BITMAP info{};
    if (bitmap.GetBitmap(&info) == 0) {
        return FALSE;
    }
    PaintRecord record = NewRecord(PaintRecord::Kind::StretchBlt, m_pWnd->m_hWnd, {x, y, width, height});
    record.header.biWidth = info.bmWidth;
    record.header.biHeight = info.bmHeight;
    record.header.biBitCount = info.bmBitsPixel;
    record.source = {xSrc, ySrc, srcWidth, srcHeight};
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}

int CPaintDC::SetBkMode(int mode) {
    return std::exchange(m_pWnd->m_hWnd->bkMode, mode);
}

COLORREF CPaintDC::SetTextColor(COLORREF color) {
    return std::exchange(m_pWnd->m_hWnd->textColor, color);
}

// The system font of a headless screen: 13 pixels and 3 of leading between lines.
BOOL CPaintDC::GetTextMetricsA(TEXTMETRICA* metrics) {
    *metrics = {};
    metrics->tmHeight = 13;
    metrics->tmAscent = 10;
    metrics->tmDescent = 3;
    metrics->tmExternalLeading = 3;
    metrics->tmAveCharWidth = 6;
    metrics->tmMaxCharWidth = 12;
    return TRUE;
}

BOOL CPaintDC::TextOutA(int x, int y, const char* text, int length) {
    PaintRecord record = NewRecord(PaintRecord::Kind::TextOut, m_pWnd->m_hWnd, {x, y, 0, 0});
    record.text.assign(text, static_cast<std::size_t>(length));
    record.textColor = m_pWnd->m_hWnd->textColor;
    record.bkMode = m_pWnd->m_hWnd->bkMode;
    HeadlessWorld::Current().paints.push_back(std::move(record));
    return TRUE;
}

// A headless menu is its items, with a menu of its own for each pop-up.
struct HMENU__ {
    std::span<const MenuItemTemplate> items;
};

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::LoadMenuA(UINT nIDResource) {
    const MenuTemplate* menu = FindMenuTemplate(nIDResource);
    if (menu == nullptr) {
        return FALSE;
    }
    m_hMenu = new HMENU__{menu->items};
    m_bOwned = true;
    return TRUE;
}

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

int CFileDialog::DoModal() {
    HeadlessWorld& world = HeadlessWorld::Current();
    world.fileDialogs.push_back({m_bOpenFileDialog != FALSE, m_strTitle, m_strFilter, m_dwFlags,
                                 m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr});
    std::optional<std::string> path = world.TakeFileDialogAnswer();
    if (!path) {
        return IDCANCEL;
    }
    m_strPathName = *path;
    return IDOK;
}

CWaitCursor::CWaitCursor() {
    HeadlessWorld& world = HeadlessWorld::Current();
    ++world.waitCursorShows;
    ++world.waitCursorDepth;
}

CWaitCursor::~CWaitCursor() {
    --HeadlessWorld::Current().waitCursorDepth;
}
