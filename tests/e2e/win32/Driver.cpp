// Runs kaleidra.exe in a fresh Wine prefix and checks it from outside, the way a user and
// the system see it. Each check prints PASS or FAIL with what was seen; the last line
// counts them.
// Usage: kaleidra-e2e-driver EXE PICTURES_FOLDER SHOTS_FOLDER (Windows paths)
//        kaleidra-e2e-driver EXE PICTURES_FOLDER SHOTS_FOLDER SETUP_EXE (and the installer)
//        kaleidra-e2e-driver --save-wallpaper FILE (the wallpaper as this process sees it)
//        kaleidra-e2e-driver --record-open RECORD FILE (the desktop's viewer: FILE goes in RECORD)
#include "Checks.h"

#include <dlgs.h>
#include <shlobj.h>

#include <fstream>

namespace {

constexpr const char* OPEN_TITLE = "Choose an image file";
constexpr const char* OPEN_FILTERS =
    "Supported Files Types(*.bmp;*.gif;*.jpg;)|Bitmaps (*.bmp)|GIF Files (*.gif)|JPEG Files (*.jpg)";
constexpr int ID_OPEN_IMAGE = 1000;
constexpr int ID_SET_AS_WALLPAPER = 1008;
constexpr int IDC_SPLASH = 1006;
constexpr int EXE_ICON = 128;
// The open dialog's controls: the file types and, by system, the file name box.
constexpr int FILE_TYPES_BOX = cmb1;
constexpr int FILE_NAME_BOXES[] = {cmb13, edt1};
constexpr const char* WALLPAPER_ARGUMENT = "--save-wallpaper";

// Each process reads the wallpaper setting once and keeps it, so a fresh one is asked.
std::string WallpaperSeenByNewProcess() {
    const std::string answer = TempPath("kaleidra-wallpaper.txt");
    DeleteFileA(answer.c_str());
    AppProcess reader;
    DWORD code = 1;
    if (!reader.Start(DriverExe(), WALLPAPER_ARGUMENT + (" \"" + answer + "\"")) ||
        !reader.WaitForExit(EXIT_WAIT_MS, &code)) {
        return "(could not ask)";
    }
    return ReadTextFile(answer).value_or("(no answer)");
}

// Compares a BMP file with what the window shows at its client area's top-left corner, at
// the corners and centre; empty when they agree, else the first difference.
std::string CompareWithScreen(HWND hWnd, const std::string& bmpPath) {
    auto* bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, bmpPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP size{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof size, &size) == 0) {
        return "cannot read " + bmpPath;
    }
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int right = size.bmWidth - 1, bottom = size.bmHeight - 1;
    const POINT samples[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}, {right / 2, bottom / 2}};
    std::string difference;
    for (POINT at : samples) {
        COLORREF expected = GetPixel(memory, at.x, at.y);
        COLORREF seen = ClientPixel(hWnd, at);
        if (difference.empty() && seen != expected) {
            char text[128];
            std::snprintf(text, sizeof text, "at %ld,%ld the file has %06lX, the screen %06lX", at.x, at.y,
                          expected, seen);
            difference = text;
        }
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return difference;
}

// A resource of the exe as bytes; empty when it has none.
std::string ResourceBytes(HMODULE module, LPCSTR id, LPCSTR type) {
    HRSRC found = module ? FindResourceA(module, id, type) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)) : "";
}

// What the shell and the loader read from the exe: its icon, its manifest and its version.
void CheckProgramFile(Report& report, const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    report.Check(!ResourceBytes(module, MAKEINTRESOURCEA(EXE_ICON), RT_GROUP_ICON).empty(),
                 "the exe carries icon 128 for the shell");
    std::string texts = ResourceBytes(module, MAKEINTRESOURCEA(1), RT_MANIFEST) +
                        ResourceBytes(module, MAKEINTRESOURCEA(1), RT_VERSION);
    FreeLibrary(module);
    std::erase(texts, '\0');  // version texts are UTF-16 and padded: a name then reads right before its value
    for (const char* text : {">UTF-8</activeCodePage>", ">PerMonitorV2", ">true/pm<", "\"asInvoker\"",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", "ProductNameKaleidra", "ProductVersion3.0",
                             "OriginalFilenamekaleidra.exe"}) {
        report.Check(texts.find(text) != std::string::npos, "the exe's manifest or version holds " + Quoted(text));
    }
}

// Start-up: the window by its exact title, shown, then hidden about half a second later.
bool CheckStartUp(Session& run) {
    HWND shown = nullptr;
    if (!run.Await([&] { return (shown = FindWindowA(nullptr, TITLE)) != nullptr && IsWindowVisible(shown); },
                   "the window titled \"Kaleidra 3.0  \" appears at start",
                   [&] { return "main window: " + Quoted(WindowText(FindMainWindow(run.app.Id()))); })) {
        return (run.main = FindMainWindow(run.app.Id())) != nullptr;
    }
    run.main = shown;
    const ULONGLONG shownAt = GetTickCount64();
    bool hidden = WaitFor([&] { return !IsWindowVisible(shown); }, 5000);
    const ULONGLONG shownMs = GetTickCount64() - shownAt;
    run.Check(hidden && shownMs < 3000, "it hides about half a second later (" + std::to_string(shownMs) + " ms)",
              hidden ? "shown too long" : "still visible after 5 s");
    return true;
}

// The icon in Wine's own notification area (there is no tray on the X display).
HWND TrayIconWindow() {
    HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
    return tray ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
}

// A restarted shell has an empty tray and tells every top-level window so.
void CheckTrayAfterShellRestart(Session& run) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
    icon.hWnd = run.main;
    icon.uID = ID_TRAYICON;
    run.Await([] { return TrayIconWindow() != nullptr; }, "the notification area shows the icon");
    Shell_NotifyIconA(NIM_DELETE, &icon);
    run.Await([] { return TrayIconWindow() == nullptr; }, "the tray loses it");
    PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    run.Await([] { return TrayIconWindow() != nullptr; }, "a broadcast TaskbarCreated brings it back");
}

// The icon double-clicked with the mouse at its centre.
void CheckTrayDoubleClick(Session& run) {
    HWND main = run.main;
    HWND icon = TrayIconWindow();
    const RECT area = WindowArea(icon);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(4, clicks, sizeof(INPUT));
    run.Await([&] { return IsWindowVisible(main); }, "double-clicking the tray icon shows the window");
    RECT client{};
    GetClientRect(main, &client);
    COLORREF face = ClientPixel(main, {client.right - 4, client.bottom - 4});
    run.Check(face == WHITE, "the window's face is white", "colour " + std::to_string(face));
    // The middle of the picture control is glass of the splash, drawn after the face.
    RECT picture = WindowArea(GetDlgItem(main, IDC_SPLASH));
    POINT middle{(picture.left + picture.right) / 2, (picture.top + picture.bottom) / 2};
    ScreenToClient(main, &middle);
    run.Await([&] { return ClientPixel(main, middle) != WHITE; }, "the splash is drawn in its frame",
              [] { return "white at the frame's middle"; });
    run.Check(SaveScreen(WindowArea(main), run.paths.shots + "\\splash.bmp", main), "screenshot with the splash");
}

// A dropped picture: opened as the BMP written beside it and confirmed.
void CheckDrop(Session& run, const std::string& picture) {
    if (!run.Check(DropFile(run.app, run.main, picture), "drop " + picture, "could not deliver the drop")) {
        return;
    }
    run.Answer(IDOK, {"Kaleidra", "Image successfully added to Image List."},
               "the drop is confirmed by \"Image successfully added to Image List.\"");
    run.Await([&] { return WindowText(run.main) == TITLE + picture + ".bmp"; }, "the title names it",
              [&] { return Quoted(WindowText(run.main)); });
}

void CheckContextMenu(Session& run) {
    RECT client{};
    GetClientRect(run.main, &client);
    POINT point{client.right / 2, client.bottom / 2};
    ClientToScreen(run.main, &point);
    PostMessageA(run.main, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(run.main), MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!run.Await([&] { return (menu = FindPopupMenu(run.app.Id())) != nullptr; },
                   "a right-click in the window opens the menu")) {
        return;
    }
    RECT both{};
    const RECT window = WindowArea(run.main), menuArea = WindowArea(menu);
    UnionRect(&both, &window, &menuArea);
    run.Check(SaveScreen(both, run.paths.shots + "\\menu.bmp", run.main), "screenshot with the menu");
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    run.Await([&] { return FindPopupMenu(run.app.Id()) == nullptr; }, "Esc closes the menu");
}

// File > Open image: the system's open dialog with our caption and file types; the chosen
// picture is opened.
void CheckOpenDialog(Session& run, const std::string& picture) {
    run.Command(ID_OPEN_IMAGE);
    std::optional<MessageBoxSeen> dialog;
    if (!run.Await([&] { return (dialog = FindMessageBox(run.app.Id())) && dialog->caption == OPEN_TITLE; },
                   "File > Open image shows \"" + std::string(OPEN_TITLE) + "\"",
                   [&] { return dialog ? Quoted(dialog->caption) : "no dialog"; })) {
        return;
    }
    std::string types = ItemTexts(GetDlgItem(dialog->hWnd, FILE_TYPES_BOX), CB_GETCOUNT, CB_GETLBTEXT);
    run.Check(types == OPEN_FILTERS, "it offers our file types", Quoted(types));
    for (int box : FILE_NAME_BOXES) {
        if (HWND name = GetDlgItem(dialog->hWnd, box)) {
            SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(picture.c_str()));
        }
    }
    PostMessageA(dialog->hWnd, WM_COMMAND, IDOK, 0);
    run.Await([&] { return WindowText(run.main) == TITLE + picture + ".bmp"; }, "the chosen picture opens",
              [&] { return Quoted(WindowText(run.main)); });
}

void RunFirstStart(Report& report, const Paths& paths) {
    std::puts("== first start, fresh settings");
    Session run(report, paths);
    CheckProgramFile(report, paths.exe);
    if (!run.Start(paths.exe) || !CheckStartUp(run)) {
        return;
    }
    AppProcess second;
    DWORD code = 99;
    const bool ended = second.Start(paths.exe) && second.WaitForExit(EXIT_WAIT_MS, &code);
    run.Check(ended && code == 0, "a second start ends with code 0",
              ended ? "code " + std::to_string(code) : "it did not end");
    run.Await([&] { return IsWindowVisible(run.main) && !IsIconic(run.main); }, "a second start shows the hidden window");
    PostMessageA(run.main, WM_COMMAND, IDOK, 0);
    run.Await([&] { return !IsWindowVisible(run.main); }, "Hide hides it again");
    CheckTrayAfterShellRestart(run);
    CheckTrayDoubleClick(run);
    CheckDrop(run, paths.pictures + "\\rose.gif");
    CheckDrop(run, paths.pictures + "\\rose.jpg");
    std::string difference = CompareWithScreen(run.main, paths.pictures + "\\rose.jpg.bmp");
    run.Check(difference.empty(), "the preview shows the picture 1:1 at the top left", difference);
    run.Check(SaveScreen(WindowArea(run.main), paths.shots + "\\preview.bmp", run.main),
              "screenshot with the preview");
    CheckContextMenu(run);
    // Minimizing takes the window off the screen; the tray brings it back restored.
    PostMessageA(run.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    run.Await([&] { return !IsWindowVisible(run.main); }, "minimizing hides the window");
    run.ShowFromTray("the tray brings it back restored");
    CheckExit(run);
}

// Where the machine-wide places refuse writes, the settings go to HKEY_CURRENT_USER (the
// list to the user's own folder, seen with the names outside the code page); machine-wide
// values are still read ("mins" is missing there, which the program reports).
void RunReadOnlyMachine(Report& report, const Paths& paths) {
    std::puts("== machine-wide places refuse writes");
    for (const char* name : {"mins", "ver"}) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, (SETTINGS + std::string(name)).c_str());
    }
    const std::string kept = Settings(HKEY_LOCAL_MACHINE, {"pick", "freq"}) +
                             " mins=0.50 lastindex=" + Setting(HKEY_LOCAL_MACHINE, "lastindex");
    const std::string machineList = ListFile();
    Session run(report, paths);
    if (!run.StartOnReadOnlyMachine(paths.exe)) {
        return;
    }
    run.Answer(IDOK, {"kaleidra", "missing mins error in doregstuff"},
               "a missing \"mins\" is reported in a box titled with the program file's name");
    run.Await([] { return Setting(HKEY_CURRENT_USER, "ver") == "3.0"; }, "\"ver\" goes to HKEY_CURRENT_USER",
              [] { return Setting(HKEY_CURRENT_USER, "ver"); });
    run.Check(Setting(HKEY_LOCAL_MACHINE, "ver") == "(missing)", "HKEY_LOCAL_MACHINE is not written",
              "ver " + Setting(HKEY_LOCAL_MACHINE, "ver"));
    run.AwaitHiddenMain();
    CheckExit(run);
    char today[16] = {};
    _strdate(today);
    const std::string saved = Settings(HKEY_CURRENT_USER, {"pick", "freq", "mins", "lastindex", "day"});
    run.Check(saved == kept + " day=" + today, "the settings are written there", saved);
    run.Check(ListFile() == machineList, "the Windows directory's list is left alone");
}

// Names outside the ANSI code page: a user folder in Chinese and Cyrillic holds the list,
// into which the previous version's list, written in code page 1252, is merged as text; a
// picture so named is opened, dropped, listed and made the wallpaper.
void RunNamesOutsideTheCodePage(Report& report, const Paths& paths) {
    std::puts("== names outside the ANSI code page");
    const char* SHELL_FOLDERS = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    const std::string folder = "C:\\users\\测试 Пользователь", list = folder + "\\Kaleidra\\Kaleidra.LST";
    const std::string picture = paths.pictures + "\\玫瑰 роза.gif";
    RegSetKeyValueA(HKEY_CURRENT_USER, SHELL_FOLDERS, "Local AppData", REG_SZ, folder.c_str(),
                    static_cast<DWORD>(folder.size() + 1));
    SHCreateDirectoryExA(nullptr, (folder + "\\Kaleidra").c_str(), nullptr);
    CreateDirectoryA("C:\\Kaleidra", nullptr);
    CopyFileA((paths.pictures + "\\rose.gif").c_str(), picture.c_str(), FALSE);
    std::ofstream(list, std::ios::binary) << "C:\\kept.bmp\r\n";
    std::ofstream("C:\\Kaleidra\\Kaleidra.LST", std::ios::binary) << "C:\\caf\xE9.bmp\r\n";
    Session run(report, paths);
    if (run.StartOnReadOnlyMachine(paths.exe)) {
        run.Answer(IDOK, {"Kaleidra", "Previous version of Kaleidra Image List found.\r\n"
                                      "Click OK to convert the list so it can be used with this version."},
                   "the previous version's list is offered");
        run.Answer(IDOK, {"Kaleidra", "Image List successfully converted."}, "and converted");
        const std::string merged = ReadTextFile(list).value_or("(missing)");
        run.Check(merged == "C:\\kept.bmp\r\nC:\\café.bmp\r\n", "the list keeps its entry and gains the old one",
                  Quoted(merged));
        run.AwaitHiddenMain();
        run.ShowFromTray("the tray shows the window");
        CheckOpenDialog(run, picture);
        CheckDrop(run, picture);
        run.Command(ID_SET_AS_WALLPAPER);
        run.Answer(IDOK, {"Kaleidra", "Image successfully added to Image List."}, "Set as wallpaper lists it too");
        const std::string wallpaper = WallpaperSeenByNewProcess();
        run.Check(wallpaper == picture + ".bmp", "and makes it the wallpaper", Quoted(wallpaper));
        run.Check(ReadTextFile(list).value_or("").ends_with(picture + ".bmp\r\n"), "the list names it as it is");
        CheckExit(run);
    }
    RegDeleteKeyValueA(HKEY_CURRENT_USER, SHELL_FOLDERS, "Local AppData");
}

}  // namespace

void CheckExit(Session& run) {
    run.Command(IDCANCEL);
    run.Answer(IDYES, {"Confirmation", "...Are you sure you want to exit?"}, "Exit asks for confirmation");
    DWORD code = 99;
    bool ended = run.app.WaitForExit(EXIT_WAIT_MS, &code);
    run.Check(ended && code == 0, "answered Yes, it ends with code 0", ended ? std::to_string(code) : "still running");
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == WALLPAPER_ARGUMENT) {
        char wallpaper[MAX_PATH] = {};
        SystemParametersInfoA(SPI_GETDESKWALLPAPER, MAX_PATH, wallpaper, 0);
        std::ofstream(argv[2], std::ios::binary) << wallpaper;
        return 0;
    }
    if (argc == 4 && std::string(argv[1]) == RECORD_OPEN_ARGUMENT) {
        std::ofstream(argv[2], std::ios::binary | std::ios::app) << argv[3] << "\n";
        return 0;
    }
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: kaleidra-e2e-driver EXE PICTURES_FOLDER SHOTS_FOLDER [SETUP_EXE]\n");
        return 2;
    }
    const Paths paths{argv[1], argv[2], argv[3]};
    // Wine's X11 driver then leaves window management alone: no wait at every hide.
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\X11 Driver", "Managed", REG_SZ, "N", 2);
    CoInitialize(nullptr);
    Report report;
    RunFirstStart(report, paths);
    RunSecondaryDialogs(report, paths);
    RunCopyWithoutDocuments(report, paths);
    RunReadOnlyMachine(report, paths);
    RunNamesOutsideTheCodePage(report, paths);
    if (argc == 5) {
        RunInstaller(report, paths, argv[4]);
    }
    return report.Finish();
}
