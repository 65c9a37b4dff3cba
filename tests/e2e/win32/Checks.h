// What every group of the driver's checks shares: where things are, the settings as the
// registry holds them, the report the checks are counted in, and one run of the program.
#pragma once

#include "Desktop.h"

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>

inline constexpr const char* SETTINGS = "Software\\Shareware\\Kaleidra\\3.0\\";
inline constexpr const char* TITLE = "Kaleidra 3.0  ";
inline constexpr DWORD EXIT_WAIT_MS = 15000;
inline constexpr COLORREF WHITE = RGB(255, 255, 255);
inline constexpr UINT WM_TRAYNOTIFY = WM_USER + 1;
inline constexpr WPARAM ID_TRAYICON = 1;
// Starts the driver as the desktop's viewer: the opened file is appended to a record.
inline constexpr const char* RECORD_OPEN_ARGUMENT = "--record-open";

struct Paths {
    std::string exe;
    std::string pictures;
    std::string shots;
};

class Report {
public:
    bool Check(bool passed, const std::string& what, const std::string& seen = {}) {
        std::printf("%s %s%s%s\n", passed ? "PASS" : "FAIL", what.c_str(), passed || seen.empty() ? "" : ": ",
                    passed ? "" : seen.c_str());
        std::fflush(stdout);
        (passed ? m_passed : m_failed)++;
        return passed;
    }
    int Finish() const {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        return m_failed == 0 ? 0 : 1;
    }

private:
    int m_passed = 0;
    int m_failed = 0;
};

inline std::string Setting(HKEY root, const std::string& name) {
    char text[256] = {};
    LONG size = sizeof text;
    return RegQueryValueA(root, (SETTINGS + name).c_str(), text, &size) == ERROR_SUCCESS ? text : "(missing)";
}

// The named settings as "name=text", a space between them.
inline std::string Settings(HKEY root, std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names) {
        text.append(text.empty() ? "" : " ").append(name).append("=").append(Setting(root, name));
    }
    return text;
}

// The Image List file in the Windows directory.
inline std::string ListFile() {
    return ReadTextFile(WindowsDirectory() + "\\Kaleidra.LST").value_or("(missing)");
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

inline std::string Seen(const std::optional<MessageBoxSeen>& box) {
    return box ? Quoted(box->caption) + ": " + Quoted(box->text) : "no message box";
}

// A message box as expected: its caption (null for any) and its text, trailing line breaks
// aside; "..." at the text's start or end leaves that end open.
struct BoxText {
    const char* caption;
    std::string text;
};

inline bool Shows(const std::optional<MessageBoxSeen>& box, const BoxText& expected) {
    if (!box || (expected.caption != nullptr && box->caption != expected.caption)) {
        return false;
    }
    std::string seen = box->text;
    seen.erase(seen.find_last_not_of("\r\n ") + 1);
    const std::string& text = expected.text;
    if (text.size() > 3 && text.ends_with("...")) {
        return seen.starts_with(text.substr(0, text.size() - 3));
    }
    return text.starts_with("...") ? seen.ends_with(text.substr(3)) : seen == text;
}

// One run of the program and the checks made on it.
class Session {
public:
    Session(Report& report, const Paths& paths) : report(report), paths(paths) {}

    bool Check(bool passed, const std::string& what, const std::string& seen = {}) {
        return report.Check(passed, what, seen);
    }
    // Waits for the condition; what was seen is asked only when it never came.
    template <class Condition>
    bool Await(Condition condition, const std::string& what, const std::function<std::string()>& seen = {}) {
        const bool passed = WaitFor(condition);
        return report.Check(passed, what, passed || !seen ? "" : seen());
    }
    void Command(int id) const { PostMessageA(main, WM_COMMAND, id, 0); }
    // Waits for the next box of the program (other than the dialog named), presses the button,
    // waits for the box to go and checks what it said.
    bool Answer(int button, const BoxText& expected, const std::string& what, HWND besides = nullptr) {
        std::optional<MessageBoxSeen> box;
        if (WaitFor([&] { return (box = FindMessageBox(app.Id(), besides)).has_value(); })) {
            PostMessageA(box->hWnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box->hWnd, button)));
            WaitFor([&] { return !IsWindow(box->hWnd) || !IsWindowVisible(box->hWnd); });
        }
        return report.Check(Shows(box, expected), what, Seen(box));
    }
    bool Start(const std::string& exe) { return Check(app.Start(exe), "kaleidra.exe starts"); }
    // Started where the machine-wide places refuse writes (for this run only).
    bool StartOnReadOnlyMachine(const std::string& exe) {
        SetEnvironmentVariableA("KALEIDRA_TEST_MACHINE_READONLY", "1");
        const bool started = Start(exe);
        SetEnvironmentVariableA("KALEIDRA_TEST_MACHINE_READONLY", nullptr);
        return started;
    }
    // The main window, once the program has hidden it after start-up.
    void AwaitHiddenMain() {
        WaitFor([&] { return (main = FindMainWindow(app.Id())) != nullptr && !IsWindowVisible(main); });
    }
    // The tray's double-click message, as the shell sends it, brings the window back restored.
    bool ShowFromTray(const std::string& what) {
        PostMessageA(main, WM_TRAYNOTIFY, ID_TRAYICON, WM_LBUTTONDBLCLK);
        return Await([&] { return IsWindowVisible(main) && !IsIconic(main); }, what,
                     [&] { return IsIconic(main) ? "still minimized" : "hidden"; });
    }
    // Started, then shown from the tray; false when it did not come up.
    bool StartShown(const std::string& exe) {
        if (!Start(exe)) {
            return false;
        }
        AwaitHiddenMain();
        return ShowFromTray("the tray shows the window");
    }

    Report& report;
    const Paths& paths;
    AppProcess app;
    HWND main = nullptr;
};

// Exit asks first; Yes ends the program with 0.
void CheckExit(Session& run);

// The start-up entry, the Image List, Options and About dialogs and the help documents.
void RunSecondaryDialogs(Report& report, const Paths& paths);
// A copy without the help documents, and a system with the StartUp folder of old.
void RunCopyWithoutDocuments(Report& report, const Paths& paths);
// The installer put through an install, the program's starts and an uninstall.
void RunInstaller(Report& report, const Paths& paths, const std::string& setup);
