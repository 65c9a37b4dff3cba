#include "app/MainDlg.h"

#include "app/ProgramGlobals.h"
#include "common/Helpers.h"
#include "resources/StringTable.h"

#include <cstdio>

CMainDlg::CMainDlg(CWnd* pParent) : CDialog(IDD_MAIN, pParent) {}

const MessageMap* CMainDlg::GetMessageMap() const {
    static const MessageMap map(nullptr, {
        MapCommand(ID_SET_AS_WALLPAPER, &CMainDlg::OnSetAsWallpaper),
        MapTimer(&CMainDlg::OnTimer),
    });
    return &map;
}

// The start-up sequence, for the parts that exist so far: the icons, the component
// library and the tray icon join it with the application shell.
BOOL CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowTextA(LoadStringA(IDS_TITLE).c_str());
    MigrateOldList();
    if (!FileExists(g_strListPath)) {
        if (std::FILE* list = std::fopen(g_strListPath.c_str(), "w+")) {
            std::fclose(list);
        }
    }
    LoadSettings();
    ShowWindow(SW_HIDE);
    ChangeWallpaper();
    SetTimer(ID_TIMER_HIDE, HIDE_DELAY_MS);
    return TRUE;
}
