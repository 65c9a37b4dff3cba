// The start-up entry: a shortcut to the program that the shell runs at every log-on.
#include "app/MainDlg.h"
#include "common/AppCaption.h"
#include "common/Helpers.h"
#include "framework/SystemServices.h"

namespace {

constexpr const char* SHORTCUT_DESCRIPTION = "Kaleidra 3.0 shortcut";

struct ConfiguredTexts {
    const char* already;
    const char* now;
};

constexpr ConfiguredTexts WINDOWS_TEXTS{
    "Kaleidra is already configured to start automatically with Windows.",
    "Kaleidra is now configured to start automatically with Windows. \r\n"
    "Next time you start Windows,Kaleidra will automatically update your wallpaper without any intervention.",
};
// A Linux desktop session starts at the user's log-in, not with the system.
constexpr ConfiguredTexts SESSION_TEXTS{
    "Kaleidra is already configured to start automatically when you log in.",
    "Kaleidra is now configured to start automatically when you log in. \r\n"
    "Next time you log in, Kaleidra will automatically update your wallpaper without any intervention.",
};

const ConfiguredTexts& Texts() {
    return fw::IsWindowsSession() ? WINDOWS_TEXTS : SESSION_TEXTS;
}

}  // namespace

// A shortcut that exists, whoever made it, is left alone. One that could not be written
// is reported with the system's reason, and nothing is stored.
void CMainDlg::OnAutoLaunch() {
    std::string target = fw::GetModuleFileNameA();
    std::string shortcut = fw::StartupShortcutPath();
    std::string workingDir = GetModuleDir();
    if (FileExists(shortcut)) {
        MessageBoxA(Texts().already, g_strAppName.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    HRESULT result = fw::CreateShortcut(target.c_str(), shortcut.c_str(), workingDir.c_str(), SHORTCUT_DESCRIPTION);
    if (FAILED(result)) {
        ShowSystemError(static_cast<DWORD>(result));
        return;
    }
    SaveAutoLaunch();
    MessageBoxA(Texts().now, g_strAppName.c_str(), MB_OK | MB_ICONINFORMATION);
}
