#include "dialogs/HelpDocuments.h"

#include "common/Helpers.h"
#include "framework/SystemServices.h"
#include "framework/WinApp.h"

#include <string>

void OpenHelpDocument(const char* fileName) {
    CWnd* mainWnd = AfxGetMainWnd();
    std::string folder = GetModuleDir();
    std::string path = fw::ProgramDataFolder(folder) + fileName;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
    info.lpVerb = "Open";
    info.lpFile = path.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!fw::ShellExecuteExA(&info)) {
        ShowLastError();
    } else if (info.hProcess != nullptr) {
        fw::CloseHandle(info.hProcess);  // nothing waits for the viewer
    }
}
