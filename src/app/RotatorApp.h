// CRotatorApp: the application object; its only work is running the main window. Each
// host's entry point makes the one instance.
#pragma once

#include "framework/WinApp.h"

class CRotatorApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
