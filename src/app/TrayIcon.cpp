// The notification-area icon, by which the hidden main window is found again, and the
// main window's right-click menu.
#include "app/MainDlg.h"
#include "app/MainWindowIds.h"
#include "framework/Menu.h"
#include "framework/SystemServices.h"

#include <cstdio>

namespace {

constexpr const char* TRAY_TIP = "Kaleidra running...Double-click me to show it.";
constexpr int FILE_POPUP = 0;

NOTIFYICONDATAA TrayRecord(HWND hWnd, HICON hIcon, UINT flags) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = hWnd;
    data.uID = ID_TRAYICON;
    data.uFlags = flags;
    data.hIcon = hIcon;
    return data;
}

}  // namespace

// The tray shows small icons; the small image is drawn for that size, where the large one
// shrunk loses its lines.
void CMainDlg::AddTrayIcon() {
    HICON small = fw::LoadIconA(IDR_MAINFRAME, fw::GetSystemMetrics(SM_CXSMICON));
    NOTIFYICONDATAA data = TrayRecord(m_hWnd, small, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = WM_TRAYNOTIFY;
    std::snprintf(data.szTip, sizeof data.szTip, "%s", TRAY_TIP);
    fw::Shell_NotifyIconA(NIM_ADD, &data);
}

void CMainDlg::RemoveTrayIcon() {
    NOTIFYICONDATAA data = TrayRecord(m_hWnd, m_hIcon, NIF_ICON);
    fw::Shell_NotifyIconA(NIM_DELETE, &data);
}

// A restarted shell has a new, empty tray; without the icon again the hidden window would
// be out of reach.
LRESULT CMainDlg::OnTaskbarCreated(WPARAM, LPARAM) {
    AddTrayIcon();
    return 0;
}

LRESULT CMainDlg::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
    if (lParam == WM_LBUTTONDBLCLK && wParam == ID_TRAYICON) {
        ShowWindow(SW_SHOWNORMAL);
    }
    return 1;
}

// Only inside the client area: the caption, the frame, the menu bar and a menu asked for
// from the keyboard (at -1, -1) get none.
void CMainDlg::OnContextMenu(CWnd*, POINT point) {
    RECT client;
    GetClientRect(&client);
    POINT topLeft{client.left, client.top};
    POINT bottomRight{client.right, client.bottom};
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    RECT screen{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    if (!PtInRect(&screen, point)) {
        return;
    }
    CMenu menu;
    menu.LoadMenuA(IDR_MAIN_MENU);
    if (CMenu* file = menu.GetSubMenu(FILE_POPUP)) {
        file->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    }
    menu.DestroyMenu();
}
