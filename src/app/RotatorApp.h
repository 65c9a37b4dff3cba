// CRotatorApp: the application object; its only work is running the main window.
#pragma once

#include "framework/WinApp.h"

class CRotatorApp : public CWinApp {
public:
    BOOL InitInstance() override;
};

extern CRotatorApp theApp;
