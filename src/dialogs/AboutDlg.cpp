#include "dialogs/AboutDlg.h"

#include "common/Helpers.h"
#include "framework/PaintDC.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int TEXT_LEFT = 2;
constexpr int TEXT_TOP = 5;
constexpr int FOLDER_LINE = 4;
constexpr int NOTICE_LINE = 6;
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF NOTICE_BLUE = RGB(0, 100, 200);

void DrawLine(CPaintDC& dc, int line, int lineHeight, const std::string& text, COLORREF color) {
    dc.SetTextColor(color);
    dc.TextOutA(TEXT_LEFT, line * lineHeight + TEXT_TOP, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) {}

const MessageMap* CAboutDlg::GetMessageMap() const {
    static const MessageMap map(nullptr, {
        MapPaint(&CAboutDlg::OnPaint),
        MapHelpInfo(&CAboutDlg::OnHelpInfo),
    });
    return &map;
}

// The wall is stretched over the whole client area, whatever its proportions; the text
// uses the surface's default font, one line height apart.
void CAboutDlg::OnPaint() {
    CPaintDC dc(this);
    RECT client;
    GetClientRect(&client);
    CBitmap wall;
    wall.LoadBitmapA(IDB_ABOUT_BACKGROUND);
    BITMAP info{};
    wall.GetBitmap(&info);
    dc.StretchBlt(0, 0, client.right - client.left, client.bottom - client.top, wall, 0, 0, info.bmWidth,
                  info.bmHeight, SRCCOPY);
    dc.SetBkMode(TRANSPARENT);
    TEXTMETRICA metrics{};
    dc.GetTextMetricsA(&metrics);
    int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    DrawLine(dc, 0, lineHeight, m_strTitle, BLACK);
    DrawLine(dc, FOLDER_LINE, lineHeight, GetModuleDir(), BLACK);
    DrawLine(dc, NOTICE_LINE, lineHeight, m_strNotice, NOTICE_BLUE);
    wall.DeleteObject();
}

BOOL CAboutDlg::OnHelpInfo(HELPINFO*) {
    return TRUE;
}
