// What every group of the driver's checks shares: where things are, the settings as the
// registry holds them, and the report the checks are counted in.
#pragma once

#include "AppProcess.h"
#include "Desktop.h"

#include <cstdio>
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
    return ReadRegistryText(root, SETTINGS + name).value_or("(missing)");
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

inline std::string Seen(const std::optional<MessageBoxSeen>& box) {
    return box ? Quoted(box->caption) + ": " + Quoted(box->text) : "no message box";
}

// Exit asks first: No leaves everything as it was, Yes stores the settings and ends with 0.
void CheckExit(Report& report, AppProcess& app, HWND main);

// The start-up entry, the Image List, Options and About dialogs and the help documents.
void RunSecondaryDialogs(Report& report, const Paths& paths);
// A copy without the help documents, and a system with the StartUp folder of old.
void RunCopyWithoutDocuments(Report& report, const Paths& paths);
