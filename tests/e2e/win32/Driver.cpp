// Runs kaleidra.exe in a fresh Wine prefix and checks it from outside, the way a user and
// the system see it. Each check prints PASS or FAIL with what was seen; the last line
// counts them.
// Usage: kaleidra-e2e-driver EXE PICTURES_FOLDER SHOTS_FOLDER (Windows paths)
//        kaleidra-e2e-driver --save-wallpaper FILE (the wallpaper as this process sees it)
//        kaleidra-e2e-driver --record-open RECORD FILE (the desktop's viewer: FILE goes in RECORD)
#include "AppProcess.h"
#include "Checks.h"
#include "Desktop.h"
#include "Polling.h"

#include <dlgs.h>

#include <cstdio>
#include <fstream>
#include <ctime>
#include <string>

namespace {

constexpr const char* IMAGE_ADDED = "Image successfully added to Image List.";
constexpr const char* OPEN_TITLE = "Choose an image file";
constexpr const char* OPEN_FILTERS =
    "Supported Files Types(*.bmp;*.gif;*.jpg;)|Bitmaps (*.bmp)|GIF Files (*.gif)|JPEG Files (*.jpg)";
constexpr int ID_OPEN_IMAGE = 1000;
constexpr int IDC_SPLASH = 1006;
constexpr int EXE_ICON = 128;
// The open dialog's controls: the file types and, by system, the file name box.
constexpr int FILE_TYPES_BOX = cmb1;
constexpr int FILE_NAME_BOXES[] = {cmb13, edt1};
constexpr const char* WALLPAPER_ARGUMENT = "--save-wallpaper";

std::string Today() {
    char date[16] = {};
    _strdate(date);
    return date;
}

RECT Union(const RECT& a, const RECT& b) {
    RECT both{};
    UnionRect(&both, &a, &b);
    return both;
}

// Each process reads the wallpaper setting once and keeps it, so a fresh one is asked.
std::string WallpaperSeenByNewProcess() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string answer = std::string(folder) + "kaleidra-wallpaper.txt";
    DeleteFileA(answer.c_str());
    AppProcess reader;
    DWORD code = 1;
    if (!reader.Start(self, {}, WALLPAPER_ARGUMENT + (" \"" + answer + "\"")) || !reader.WaitForExit(EXIT_WAIT_MS, &code)) {
        return "(could not ask)";
    }
    return ReadTextFile(answer).value_or("(no answer)");
}

// Start-up: the window by its exact title, shown, then hidden about half a second later;
// the list file and "ver" in place.
HWND CheckStartUp(Report& report, AppProcess& app) {
    HWND shown = nullptr;
    WaitFor([&] {
        HWND found = FindWindowA(nullptr, TITLE);
        shown = found != nullptr && IsWindowVisible(found) ? found : nullptr;
        return shown != nullptr;
    });
    if (!report.Check(shown != nullptr, "the window titled \"Kaleidra 3.0  \" appears at start",
                      "main window: " + Quoted(WindowText(FindMainWindow(app.Id()))))) {
        return FindMainWindow(app.Id());
    }
    const ULONGLONG shownAt = GetTickCount64();
    bool hidden = WaitFor([&] { return !IsWindowVisible(shown); }, 5000);
    const ULONGLONG shownMs = GetTickCount64() - shownAt;
    report.Check(hidden && shownMs < 3000, "it hides about half a second later (" + std::to_string(shownMs) + " ms)",
                 hidden ? "shown too long" : "still visible after 5 s");
    const std::string list = WindowsDirectory() + "\\Kaleidra.LST";
    report.Check(WaitFor([&] { return FileExists(list); }), "the list file is created: " + list, "no such file");
    report.Check(WaitFor([] { return Setting(HKEY_LOCAL_MACHINE, "ver") == "3.0"; }),
                 "\"ver\" is 3.0 under HKEY_LOCAL_MACHINE", Setting(HKEY_LOCAL_MACHINE, "ver"));
    return shown;
}

void CheckSecondStart(Report& report, const Paths& paths, AppProcess& first, HWND main) {
    AppProcess second;
    DWORD code = 99;
    bool ended = second.Start(paths.exe) && second.WaitForExit(EXIT_WAIT_MS, &code);
    report.Check(ended && code == 0, "a second start ends with code 0",
                 ended ? "code " + std::to_string(code) : "it did not end");
    report.Check(CountMainWindows() == 1 && first.Running(), "one copy runs on",
                 std::to_string(CountMainWindows()) + " main windows");
    report.Check(!IsWindowVisible(main), "the hidden window stays hidden");
}

// The tray icon shown, double-clicked with the mouse; then its message as the shell sends it.
void CheckTrayDoubleClick(Report& report, HWND main, const Paths& paths) {
    HWND icon = nullptr;
    if (report.Check(WaitFor([&] { return (icon = FindTrayIcon()) != nullptr; }), "the notification area shows the icon")) {
        DoubleClick(icon);
        report.Check(WaitFor([&] { return IsWindowVisible(main); }), "double-clicking the tray icon shows the window");
        PostMessageA(main, WM_COMMAND, IDOK, 0);
        report.Check(WaitFor([&] { return !IsWindowVisible(main); }), "Hide hides it again");
    }
    PostMessageA(main, WM_TRAYNOTIFY, ID_TRAYICON, WM_LBUTTONDBLCLK);
    report.Check(WaitFor([&] { return IsWindowVisible(main); }), "the tray's double-click message shows the window");
    report.Check(WindowText(main) == TITLE, "its title is exactly \"Kaleidra 3.0  \"", Quoted(WindowText(main)));
    RECT client{};
    GetClientRect(main, &client);
    COLORREF face = ClientPixel(main, {client.right - 4, client.bottom - 4});
    report.Check(face == WHITE, "the window's face is white", "colour " + std::to_string(face));
    // The middle of the picture control is glass of the splash, drawn after the face.
    RECT picture{};
    GetWindowRect(GetDlgItem(main, IDC_SPLASH), &picture);
    POINT middle{(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
    ScreenToClient(main, &middle);
    report.Check(WaitFor([&] { return ClientPixel(main, middle) != WHITE; }), "the splash is drawn in its frame",
                 "white at the frame's middle");
    report.Check(SaveScreenshot(main, WindowArea(main), paths.shots + "\\splash.bmp"), "screenshot with the splash");
}

// A dropped picture: converted to a BMP beside it, opened, appended to the list, confirmed.
void CheckDrop(Report& report, const AppProcess& app, HWND main, const std::string& picture) {
    const std::string converted = picture + ".bmp";
    if (!report.Check(DropFile(app, main, picture), "drop " + picture, "could not deliver the drop")) {
        return;
    }
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK);
    report.Check(box && box->text == IMAGE_ADDED && box->caption == "Kaleidra",
                 "the drop is confirmed by \"" + std::string(IMAGE_ADDED) + "\"",
                 Seen(box));
    report.Check(FileExists(converted), "converted beside it: " + converted, "no such file");
    std::string list = ReadTextFile(WindowsDirectory() + "\\Kaleidra.LST").value_or("");
    report.Check(list.find(converted + "\n") != std::string::npos || list.find(converted + "\r\n") != std::string::npos,
                 "the list holds the converted path", Quoted(list));
    report.Check(WaitFor([&] { return WindowText(main) == TITLE + converted; }), "the title names it",
                 Quoted(WindowText(main)));
}

void CheckContextMenu(Report& report, const AppProcess& app, HWND main, const Paths& paths) {
    RECT client{};
    GetClientRect(main, &client);
    POINT point{client.right / 2, client.bottom / 2};
    ClientToScreen(main, &point);
    PostMessageA(main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(main), MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!report.Check(WaitFor([&] { return (menu = FindPopupMenu(app.Id())) != nullptr; }),
                      "a right-click in the window opens the menu")) {
        return;
    }
    report.Check(SaveScreenshot(main, Union(WindowArea(main), WindowArea(menu)), paths.shots + "\\menu.bmp"),
                 "screenshot with the menu");
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    report.Check(WaitFor([&] { return FindPopupMenu(app.Id()) == nullptr; }), "Esc closes the menu");
}

// Minimizing takes the window off the screen; the tray brings it back restored.
void CheckMinimize(Report& report, HWND main) {
    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    report.Check(WaitFor([&] { return !IsWindowVisible(main); }), "minimizing hides the window");
    PostMessageA(main, WM_TRAYNOTIFY, ID_TRAYICON, WM_LBUTTONDBLCLK);
    report.Check(WaitFor([&] { return IsWindowVisible(main) && !IsIconic(main); }),
                 "the tray brings it back restored", IsIconic(main) ? "still minimized" : "hidden");
}

// File > Open image: the system's open dialog with our caption and file types; the chosen
// picture is opened.
void CheckOpenDialog(Report& report, const AppProcess& app, HWND main, const std::string& picture) {
    PostMessageA(main, WM_COMMAND, ID_OPEN_IMAGE, 0);
    std::optional<MessageBoxSeen> dialog;
    if (!report.Check(WaitFor([&] { return (dialog = FindMessageBox(app.Id())) && dialog->caption == OPEN_TITLE; }),
                      "File > Open image shows \"" + std::string(OPEN_TITLE) + "\"",
                      dialog ? Quoted(dialog->caption) : "no dialog")) {
        return;
    }
    std::string types = ComboBoxItems(GetDlgItem(dialog->hWnd, FILE_TYPES_BOX));
    report.Check(types == OPEN_FILTERS, "it offers our file types", Quoted(types));
    for (int box : FILE_NAME_BOXES) {
        if (HWND name = GetDlgItem(dialog->hWnd, box)) {
            SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(picture.c_str()));
        }
    }
    PostMessageA(dialog->hWnd, WM_COMMAND, IDOK, 0);
    report.Check(WaitFor([&] { return WindowText(main) == TITLE + picture + ".bmp"; }), "the chosen picture opens",
                 Quoted(WindowText(main)));
}

struct ExpectedSettings {
    std::string pick;
    std::string freq;
    std::string mins;
    std::string lastIndex;
};

void CheckSavedSettings(Report& report, HKEY root, const ExpectedSettings& expected) {
    std::string seen;
    for (const char* name : {"pick", "freq", "mins", "lastindex", "day", "ver"}) {
        seen += std::string(name) + "=" + Setting(root, name) + " ";
    }
    report.Check(Setting(root, "pick") == expected.pick && Setting(root, "freq") == expected.freq &&
                     Setting(root, "mins") == expected.mins && Setting(root, "lastindex") == expected.lastIndex &&
                     Setting(root, "day") == Today(),
                 "the settings are written", seen);
}

void RunFirstStart(Report& report, const Paths& paths) {
    std::puts("== first start, fresh settings");
    report.Check(ExeCarriesIcon(paths.exe, EXE_ICON), "the exe carries icon 128 for the shell");
    AppProcess app;
    if (!report.Check(app.Start(paths.exe), "kaleidra.exe starts")) {
        return;
    }
    HWND main = CheckStartUp(report, app);
    if (main == nullptr) {
        return;
    }
    CheckSecondStart(report, paths, app, main);
    CheckTrayDoubleClick(report, main, paths);
    CheckDrop(report, app, main, paths.pictures + "\\rose.gif");
    CheckDrop(report, app, main, paths.pictures + "\\rose.jpg");
    std::string difference = CompareWithScreen(main, paths.pictures + "\\rose.jpg.bmp");
    report.Check(difference.empty(), "the preview shows the picture 1:1 at the top left", difference);
    report.Check(SaveScreenshot(main, WindowArea(main), paths.shots + "\\preview.bmp"), "screenshot with the preview");
    CheckContextMenu(report, app, main, paths);
    CheckMinimize(report, main);
    CheckOpenDialog(report, app, main, paths.pictures + "\\rose.gif");
    CheckExit(report, app, main);
    CheckSavedSettings(report, HKEY_LOCAL_MACHINE, {"1", "0", "30.00", "1"});
}

// Minutes mode with a short period: a tick applies the next entry of the list (two after
// the drops), names it in the title and stores its index.
void RunTimedChange(Report& report, const Paths& paths) {
    std::puts("== timed change");
    WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "mins", "0.03");
    WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "lastindex", "1");
    const std::string second = paths.pictures + "\\rose.jpg.bmp";
    AppProcess app;
    if (!report.Check(app.Start(paths.exe), "kaleidra.exe starts")) {
        return;
    }
    std::string wallpaper;
    bool applied = WaitFor([&] {
        return Setting(HKEY_LOCAL_MACHINE, "lastindex") == "2" && (wallpaper = WallpaperSeenByNewProcess()) == second;
    });
    report.Check(applied, "a tick sets entry 2 as the wallpaper and stores lastindex 2",
                 "wallpaper " + Quoted(wallpaper) + ", lastindex " + Setting(HKEY_LOCAL_MACHINE, "lastindex"));
    HWND main = FindMainWindow(app.Id());
    report.Check(WaitFor([&] { return WindowText(main).find(".bmp") != std::string::npos; }),
                 "the title shows the applied path", Quoted(WindowText(main)));
    CheckExit(report, app, main);
}

// Where the machine-wide places refuse writes, the list and the settings go to the user's
// own: %LOCALAPPDATA%\Kaleidra\ and HKEY_CURRENT_USER; machine-wide values are still read
// ("mins" is missing there, which the program reports).
void RunReadOnlyMachine(Report& report, const Paths& paths) {
    std::puts("== machine-wide places refuse writes");
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "mins");
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "ver");
    const ExpectedSettings kept{Setting(HKEY_LOCAL_MACHINE, "pick"), Setting(HKEY_LOCAL_MACHINE, "freq"), "0.50",
                                Setting(HKEY_LOCAL_MACHINE, "lastindex")};
    const std::string machineList = ReadTextFile(WindowsDirectory() + "\\Kaleidra.LST").value_or("(missing)");
    const std::string userList = LocalAppDataFolder() + "\\Kaleidra\\Kaleidra.LST";
    AppProcess app;
    if (!report.Check(app.Start(paths.exe, "KALEIDRA_TEST_MACHINE_READONLY=1"), "kaleidra.exe starts")) {
        return;
    }
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK);
    report.Check(box && box->text == "missing mins error in doregstuff" && box->caption == "kaleidra",
                 "a missing \"mins\" is reported in a box titled with the program file's name",
                 Seen(box));
    report.Check(WaitFor([&] { return FileExists(userList); }), "the list is created in " + userList, "no such file");
    report.Check(WaitFor([] { return Setting(HKEY_CURRENT_USER, "ver") == "3.0"; }),
                 "\"ver\" goes to HKEY_CURRENT_USER", Setting(HKEY_CURRENT_USER, "ver"));
    report.Check(Setting(HKEY_LOCAL_MACHINE, "ver") == "(missing)", "HKEY_LOCAL_MACHINE is not written",
                 "ver " + Setting(HKEY_LOCAL_MACHINE, "ver"));
    HWND main = nullptr;
    WaitFor([&] { return (main = FindMainWindow(app.Id())) != nullptr && !IsWindowVisible(main); });
    CheckExit(report, app, main);
    CheckSavedSettings(report, HKEY_CURRENT_USER, kept);
    report.Check(ReadTextFile(WindowsDirectory() + "\\Kaleidra.LST").value_or("(missing)") == machineList,
                 "the Windows directory's list is left alone");
}

}  // namespace

// Exit asks first: No leaves everything as it was, Yes stores the settings and ends with 0.
void CheckExit(Report& report, AppProcess& app, HWND main) {
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDNO);
    report.Check(box && box->caption == "Confirmation" && box->text.find("Are you sure you want to exit?") != std::string::npos,
                 "Exit asks for confirmation", Seen(box));
    // Once the window answers again the answer has been handled.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    report.Check(app.Running() && IsWindow(main), "answered No, the program runs on");
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    AnswerMessageBox(app.Id(), IDYES);
    DWORD code = 99;
    bool ended = app.WaitForExit(EXIT_WAIT_MS, &code);
    report.Check(ended && code == 0, "answered Yes, it ends with code 0", ended ? std::to_string(code) : "still running");
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == WALLPAPER_ARGUMENT) {
        std::ofstream(argv[2], std::ios::binary) << CurrentWallpaper();
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == RECORD_OPEN_ARGUMENT) {
        std::ofstream(argv[2], std::ios::binary | std::ios::app) << argv[3] << "\n";
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: kaleidra-e2e-driver EXE PICTURES_FOLDER SHOTS_FOLDER\n");
        return 2;
    }
    const Paths paths{argv[1], argv[2], argv[3]};
    // Wine's X11 driver then leaves window management alone: no wait at every hide.
    WriteRegistryText(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", "");
    HKEY x11 = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", 0, KEY_SET_VALUE, &x11) == ERROR_SUCCESS) {
        RegSetValueExA(x11, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
        RegCloseKey(x11);
    }
    CoInitialize(nullptr);
    Report report;
    RunFirstStart(report, paths);
    RunTimedChange(report, paths);
    RunSecondaryDialogs(report, paths);
    RunCopyWithoutDocuments(report, paths);
    RunReadOnlyMachine(report, paths);
    return report.Finish();
}
