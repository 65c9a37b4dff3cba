#include "app/MainDlg.h"

#include "app/MainWindowIds.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/HelpDocuments.h"
#include "dialogs/ImageListDlg.h"
#include "dialogs/OptionsDlg.h"
#include "dialogs/WindowColours.h"
#include "framework/PaintDC.h"
#include "framework/SystemServices.h"
#include "resources/StringTable.h"

namespace {

// The copy that holds the instance may not have made its window yet.
constexpr int FIND_ATTEMPTS = 50;
constexpr DWORD FIND_INTERVAL_MS = 100;

// A running copy: its window has our class, or (a copy of the previous build) the title.
HWND FindRunningCopy(const std::string& title, int attempts) {
    for (int attempt = 1;; ++attempt) {
        HWND running = fw::FindWindowA(MAIN_WINDOW_CLASS, nullptr);
        running = running != nullptr ? running : fw::FindWindowA(nullptr, title.c_str());
        if (running != nullptr || attempt >= attempts) {
            return running;
        }
        fw::Sleep(FIND_INTERVAL_MS);
    }
}

}  // namespace

// A second copy shows the running one's window, restored and in front, and ends here,
// before it has a window: the running copy may have no tray icon to be shown from.
// The instance decides which copy runs, in one step; a copy of the previous build holds
// none, so its window is still looked for.
CMainDlg::CMainDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent) {
    m_hIcon = fw::LoadIconA(IDR_MAINFRAME);
    bool first = fw::ClaimSingleInstance(MAIN_WINDOW_CLASS);
    HWND running = FindRunningCopy(LoadStringA(IDS_TITLE), first ? 1 : FIND_ATTEMPTS);
    if (running != nullptr) {
        fw::ShowWindow(running, SW_RESTORE);
        fw::SetForegroundWindow(running);
    }
    if (!first || running != nullptr) {
        fw::ExitProcess(0);
    }
}

const MessageMap* CMainDlg::GetMessageMap() const {
    static const MessageMap map(nullptr, {
        MapPaint(&CMainDlg::OnPaint),
        MapQueryDragIcon(&CMainDlg::OnQueryDragIcon),
        MapCommand(ID_OPEN_IMAGE, &CMainDlg::OnOpenImage),
        MapCtlColor(&CMainDlg::OnCtlColor),
        MapMessage(WM_TRAYNOTIFY, &CMainDlg::OnTrayNotify),
        MapMessage(fw::RegisterWindowMessageA(TASKBAR_CREATED_MESSAGE), &CMainDlg::OnTaskbarCreated),
        MapContextMenu(&CMainDlg::OnContextMenu),
        MapCommand(ID_SET_AS_WALLPAPER, &CMainDlg::OnSetAsWallpaper),
        MapCommand(ID_ADD_TO_LIST, &CMainDlg::OnAddCurrentToList),
        MapTimer(&CMainDlg::OnTimer),
        MapSize(&CMainDlg::OnSize),
        MapDropFiles(&CMainDlg::OnDropFiles),
        MapCommand(ID_VIEW_LIST, &CMainDlg::OnViewImageList),
        MapCommand(ID_OPTIONS, &CMainDlg::OnOptions),
        MapCommand(ID_HELP_TOPICS, &CMainDlg::OnHelpTopics),
        MapHelpInfo(&CMainDlg::OnHelpInfo),
        MapCommand(ID_ABOUT, &CMainDlg::OnAbout),
        MapCommand(ID_AUTO_LAUNCH, &CMainDlg::OnAutoLaunch),
    });
    return &map;
}

// The start-up sequence; its order matters (the list must exist before the settings
// and the first change step, the tray icon before the window hides).
BOOL CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessageA(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowTextA(LoadStringA(IDS_TITLE).c_str());
    m_image.Release();
    m_image.m_nPreviewRowBytes = 0;
    fw::CoInitialize();
    MigrateOldList();
    m_list.CreateIfMissing();
    LoadSettings();
    AddTrayIcon();
    OnOK();
    ChangeWallpaper();
    SetTimer(ID_TIMER_HIDE, HIDE_DELAY_MS);
    return TRUE;
}

// Hide, Done and Enter: the program goes on in the notification area.
void CMainDlg::OnOK() {
    ShowWindow(SW_HIDE);
}

// Exit: the only way out that stores every setting and removes the tray icon.
void CMainDlg::OnCancel() {
    int answer = MessageBoxA(LoadStringA(IDS_EXIT_QUESTION).c_str(), LoadStringA(IDS_CONFIRMATION).c_str(),
                             MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) {
        return;
    }
    SaveSettings();
    Cleanup();
    DestroyWindow();
    fw::ExitProcess(0);
}

void CMainDlg::Cleanup() {
    fw::CoUninitialize();
    m_image.Release();
    RemoveTrayIcon();
    KillTimer(ID_TIMER_CHANGE);
}

void CMainDlg::OnSize(UINT nType, int, int) {
    Default();
    if (nType == SIZE_MINIMIZED) {
        ShowWindow(SW_HIDE);
    }
}

void CMainDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessageA(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        RECT client;
        GetClientRect(&client);
        int x = (client.right - client.left - fw::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - client.top - fw::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        DrawPreview();
        SetWindowTextA((LoadStringA(IDS_TITLE) + m_strImagePath).c_str());
    }
    Default();
}

HCURSOR CMainDlg::OnQueryDragIcon() {
    return m_hIcon;
}

std::optional<CtlColor> CMainDlg::OnCtlColor(CWnd*, UINT nCtlColor) {
    return WhiteFaceBlueText(nCtlColor);
}

void CMainDlg::OnAddCurrentToList() {
    AddToList(m_strImagePath);
}

void CMainDlg::OnViewImageList() {
    CImageListDlg dlg(m_list);
    dlg.DoModal();
}

// Closing the dialog, with OK or Cancel, stores the settings and applies the schedule anew.
void CMainDlg::OnOptions() {
    COptionsDlg dlg;
    dlg.m_nPick = m_nPick;
    dlg.m_nFreq = m_nFreq;
    dlg.m_fMins = m_fMins;
    dlg.DoModal();
    m_nPick = dlg.m_nPick;
    m_nFreq = dlg.m_nFreq;
    m_fMins = dlg.m_fMins;
    SaveSettings();
    ChangeWallpaper();
}

void CMainDlg::OnHelpTopics() {
    OpenHelpDocument(INDEX_DOCUMENT);
}

BOOL CMainDlg::OnHelpInfo(HELPINFO*) {
    OnHelpTopics();
    return TRUE;
}

void CMainDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.m_strTitle = LoadStringA(IDS_TITLE);
    dlg.m_strNotice = LoadStringA(IDS_ABOUT_NOTICE);
    dlg.DoModal();
}
