// The installer as a user meets it: installed silently for this user alone, the program
// started from where it went and from its Start-menu shortcut, then uninstalled silently.
#include "Checks.h"

#include <array>

namespace {

constexpr const char* UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kaleidra";
constexpr DWORD SETUP_WAIT_MS = 60000;
constexpr std::array INSTALLED_FILES = {"kaleidra.exe", "kaleidra-convert.exe", "krindex.htm", "options.htm",
                                        "uninstall.exe"};

// The installer's exit code: 0 when done, 2 when it stopped before doing anything.
DWORD RunSilently(const std::string& setup) {
    AppProcess install;
    DWORD code = 99;
    return install.Start(setup, "/S") && install.WaitForExit(SETUP_WAIT_MS, &code) ? code : 99;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string UninstallValue(const char* name) {
    char text[MAX_PATH] = {};
    DWORD size = sizeof text;
    return RegGetValueA(HKEY_CURRENT_USER, UNINSTALL_KEY, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS
               ? text
               : "(missing)";
}

std::string ProcessImage(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    char path[MAX_PATH] = {};
    DWORD size = sizeof path;
    if (process != nullptr) {
        QueryFullProcessImageNameA(process, 0, path, &size);
        CloseHandle(process);
    }
    return path;
}

// The shell starts the shortcut's program; it is found by its window and ended by Exit.
void CheckStartFromShortcut(Report& report, const std::string& shortcut, const std::string& exe) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = shortcut.c_str();
    info.nShow = SW_SHOWNORMAL;
    report.Check(ShellExecuteExA(&info), "the Start-menu shortcut starts", std::to_string(GetLastError()));
    HWND main = nullptr;
    WaitFor([&] { return (main = First(TopLevels(MAIN_WINDOW_CLASS, 0, false))) != nullptr; });
    DWORD processId = 0;
    GetWindowThreadProcessId(main, &processId);
    const std::string image = ProcessImage(processId);
    report.Check(main && _stricmp(image.c_str(), exe.c_str()) == 0, "the installed program", Quoted(image));
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return AnswerMessageBox(processId, IDYES).has_value(); });
    report.Check(process && WaitForSingleObject(process, EXIT_WAIT_MS) == WAIT_OBJECT_0, "and ends on Exit");
    CloseHandle(process);
}

}  // namespace

void RunInstaller(Report& report, const Paths& paths, const std::string& setup) {
    std::puts("== the installer, for this user");
    const std::string folder = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Kaleidra";
    const std::string shortcut = ShellFolder(CSIDL_PROGRAMS) + "\\Kaleidra.lnk";
    const DWORD code = RunSilently(setup);
    report.Check(code == 0, "the installer runs silently to the end", std::to_string(code));
    std::string missing;
    for (const char* file : INSTALLED_FILES) {
        missing += Exists(folder + "\\" + file) ? "" : std::string(" ") + file;
    }
    report.Check(missing.empty() && Exists(shortcut), "it puts the program, help and uninstaller in " + folder +
                                                          " and a shortcut in the Start menu", "missing" + missing);
    const std::string listed = UninstallValue("DisplayName") + " " + UninstallValue("DisplayVersion") + " " +
                               UninstallValue("UninstallString") + " " + UninstallValue("InstallLocation");
    report.Check(listed == "Kaleidra 3.0 " + Quoted(folder + "\\uninstall.exe") + " " + folder,
                 "Settings lists it under the user's Uninstall key", listed);
    Session run(report, paths);
    if (run.Start(folder + "\\kaleidra.exe")) {
        WaitFor([&] { return (run.main = FindMainWindow(run.app.Id())) != nullptr && !IsWindowVisible(run.main); });
        const DWORD again = RunSilently(setup);
        run.Check(again == 2, "installing over the running program is refused", std::to_string(again));
        CheckExit(run);
    }
    CheckStartFromShortcut(report, shortcut, folder + "\\kaleidra.exe");
    // The uninstaller runs on from a copy of itself in the temporary folder.
    AppProcess uninstall;
    report.Check(uninstall.Start(folder + "\\uninstall.exe", "/S") &&
                     WaitFor([&] { return !Exists(folder) && !Exists(shortcut); }, SETUP_WAIT_MS),
                 "uninstalled silently, its folder and shortcut are gone");
    report.Check(UninstallValue("DisplayName") == "(missing)", "and its Uninstall key");
    report.Check(ListFile() != "(missing)" && Setting(HKEY_LOCAL_MACHINE, "day") != "(missing)",
                 "the Image List and the settings stay");
}
