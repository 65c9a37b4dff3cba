#include "app/RotatorApp.h"

#include "app/MainDlg.h"

// The main window runs modally for the whole life of the process, which normally ends
// inside its Exit command; FALSE ends the application should the window ever return.
BOOL CRotatorApp::InitInstance() {
    Enable3dControls();
    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
