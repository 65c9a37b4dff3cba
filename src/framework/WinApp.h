// CWinApp: the application object. The host's entry point runs AfxWinMain, which runs
// the one application's InitInstance; the program's modal main window lives inside it.
#pragma once

#include "framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    BOOL Enable3dControls();

    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The application's main window; null when there is none.
CWnd* AfxGetMainWnd();
// Runs the application; the process's exit code.
int AfxWinMain();
