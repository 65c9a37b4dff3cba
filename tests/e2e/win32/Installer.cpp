// The installer as a user meets it: installed silently for this user alone, the program
// started where its Start-menu shortcut points, then uninstalled silently.
#include "Checks.h"

namespace {

constexpr const char* UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kaleidra";
constexpr DWORD SETUP_WAIT_MS = 60000;

// The exit code: 0 when done, 2 when it stopped before doing anything.
DWORD RunSilently(const std::string& setup) {
    AppProcess install;
    DWORD code = 99;
    return install.Start(setup, "/S") && install.WaitForExit(SETUP_WAIT_MS, &code) ? code : 99;
}

std::string UninstallValue(const char* name) {
    char text[MAX_PATH] = "-";
    DWORD size = sizeof text;
    RegGetValueA(HKEY_CURRENT_USER, UNINSTALL_KEY, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

}  // namespace

void RunInstaller(Report& report, const Paths& paths, const std::string& setup) {
    std::puts("== the installer, for this user");
    const std::string folder = ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Kaleidra";
    const std::string exe = folder + "\\kaleidra.exe", shortcut = ShellFolder(CSIDL_PROGRAMS) + "\\Kaleidra.lnk";
    const DWORD code = RunSilently(setup);
    report.Check(code == 0 && ReadTextFile(folder + "\\krindex.htm"), "the installer runs silently to the end",
                 std::to_string(code));
    const std::string listed = UninstallValue("DisplayVersion") + " " + UninstallValue("UninstallString");
    report.Check(listed == "3.0 " + Quoted(folder + "\\uninstall.exe"), "the user's Uninstall key lists it", listed);
    const std::optional<ShortcutSeen> link = ReadShortcut(shortcut);
    Session run(report, paths);
    if (report.Check(link && link->target == exe, "the Start-menu shortcut starts " + exe) && run.Start(exe)) {
        run.AwaitHiddenMain();
        const DWORD again = RunSilently(setup);
        run.Check(again == 2, "installing over the running program is refused", std::to_string(again));
        CheckExit(run);
    }
    // The uninstaller runs on from a copy of itself in the temporary folder.
    AppProcess uninstall;
    const auto gone = [&] {
        return GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES && !ReadShortcut(shortcut);
    };
    report.Check(uninstall.Start(folder + "\\uninstall.exe", "/S") && WaitFor(gone, SETUP_WAIT_MS) &&
                     UninstallValue("DisplayName") == "-",
                 "uninstalled silently: its folder, shortcut and Uninstall key are gone");
    report.Check(ListFile() != "(missing)" && Setting(HKEY_LOCAL_MACHINE, "day") != "(missing)",
                 "the Image List and the settings stay");
}
