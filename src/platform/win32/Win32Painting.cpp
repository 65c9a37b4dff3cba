// Painting, menus, the file dialog and the busy cursor over GDI32, USER32 and COMDLG32.
#include "framework/FileDialog.h"
#include "framework/Menu.h"
#include "framework/PaintDC.h"
#include "framework/WaitCursor.h"
#include "platform/win32/FileFilter.h"
#include "platform/win32/Win32Resources.h"

#include <unordered_map>

namespace {

// EndPaint wants the record BeginPaint filled; CPaintDC keeps only the device context.
std::unordered_map<HDC, PAINTSTRUCT>& OpenPaints() {
    static std::unordered_map<HDC, PAINTSTRUCT> paints;
    return paints;
}

}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    PAINTSTRUCT paint{};
    m_hDC = BeginPaint(pWnd->m_hWnd, &paint);
    OpenPaints()[m_hDC] = paint;
}

CPaintDC::~CPaintDC() {
    auto paint = OpenPaints().find(m_hDC);
    if (paint != OpenPaints().end()) {
        EndPaint(m_pWnd->m_hWnd, &paint->second);
        OpenPaints().erase(paint);
    }
}

int CPaintDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                            int srcHeight, const void* bits, const BITMAPINFOHEADER* header, UINT usage, DWORD rop) {
    return ::StretchDIBits(m_hDC, xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight, bits,
                           reinterpret_cast<const BITMAPINFO*>(header), usage, rop);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

// The source rectangle counts rows from the top, as on a device-dependent bitmap; a
// bottom-up DIB counts them from the bottom.
BOOL CPaintDC::StretchBlt(int x, int y, int width, int height, const CBitmap& bitmap, int xSrc, int ySrc,
                          int srcWidth, int srcHeight, DWORD rop) {
    std::optional<win32::PackedBitmap> packed = win32::PackBitmapFile(bitmap.FileBytes());
    if (!packed) {
        return FALSE;
    }
    const LONG rows = packed->Info()->bmiHeader.biHeight;
    const int yFromBottom = rows > 0 ? static_cast<int>(rows) - ySrc - srcHeight : ySrc;
    SetStretchBltMode(m_hDC, COLORONCOLOR);
    return ::StretchDIBits(m_hDC, x, y, width, height, xSrc, yFromBottom, srcWidth, srcHeight, packed->bits,
                           packed->Info(), DIB_RGB_COLORS, rop) != 0;
}

int CPaintDC::SetBkMode(int mode) {
    return ::SetBkMode(m_hDC, mode);
}

COLORREF CPaintDC::SetTextColor(COLORREF color) {
    return ::SetTextColor(m_hDC, color);
}

BOOL CPaintDC::GetTextMetricsA(TEXTMETRICA* metrics) {
    return ::GetTextMetricsA(m_hDC, metrics);
}

BOOL CPaintDC::TextOutA(int x, int y, const char* text, int length) {
    return ::TextOutA(m_hDC, x, y, text, length);
}

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

int CFileDialog::DoModal() {
    const std::string filter = SystemFileFilter(m_strFilter);
    char path[MAX_PATH] = {};
    m_strFileName.copy(path, sizeof path - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
    dialog.Flags = m_dwFlags | OFN_EXPLORER;
    dialog.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
    BOOL chosen = m_bOpenFileDialog ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen) {
        return IDCANCEL;
    }
    m_strPathName = path;
    return IDOK;
}

namespace {

int g_waitDepth = 0;
HCURSOR g_hCursorBeforeWait = nullptr;

}  // namespace

CWaitCursor::CWaitCursor() {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    if (g_waitDepth++ == 0) {
        g_hCursorBeforeWait = previous;
    }
}

CWaitCursor::~CWaitCursor() {
    if (--g_waitDepth == 0) {
        SetCursor(g_hCursorBeforeWait);
    }
}
