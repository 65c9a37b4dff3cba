#include "framework/WinApp.h"

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

BOOL CWinApp::Enable3dControls() {
    return TRUE;  // controls are drawn three-dimensionally by every host today
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWnd* AfxGetMainWnd() {
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

int AfxWinMain() {
    if (g_pApp == nullptr) {
        return -1;
    }
    g_pApp->InitInstance();
    return 0;
}
