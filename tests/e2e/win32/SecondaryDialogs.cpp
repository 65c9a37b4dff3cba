// The dialogs opened from the main window, the help documents and the start-up entry, seen
// and used from outside as a user does.
#include "AppProcess.h"
#include "Checks.h"
#include "Desktop.h"
#include "Polling.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

constexpr int ID_VIEW_LIST = 1009;
constexpr int ID_OPTIONS = 1010;
constexpr int ID_HELP_TOPICS = 1011;
constexpr int ID_ABOUT = 1012;
constexpr int ID_AUTO_LAUNCH = 32789;
constexpr int IDC_IMAGE_LIST = 1016;
constexpr int ID_DELETE_SELECTION = 1017;
constexpr int IDC_RANDOM_PICK = 1005;
constexpr int IDC_EVERY_MINUTES = 1021;
constexpr int IDC_ONCE_A_DAY = 1022;
constexpr int IDC_MINUTES = 1026;
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF NOTICE_BLUE = RGB(0, 100, 200);
// Corners of the About dialog's client area, larger than a brick.
constexpr int CORNER_WIDTH = 48;
constexpr int CORNER_HEIGHT = 24;
constexpr const char* NOW_CONFIGURED = "Kaleidra is now configured to start automatically with Windows.";
constexpr const char* ALREADY_CONFIGURED = "Kaleidra is already configured to start automatically with Windows.";

// The documents and pictures the desktop was asked to open, in order.
class OpenedFiles {
public:
    OpenedFiles() {
        char folder[MAX_PATH] = {};
        GetTempPathA(sizeof folder, folder);
        m_record = std::string(folder) + "kaleidra-opened.txt";
        DeleteFileA(m_record.c_str());
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, sizeof self);
        const std::string viewer = Quoted(self) + " " + RECORD_OPEN_ARGUMENT + " " + Quoted(m_record) + " \"%1\"";
        RegisterViewer(".htm", viewer);
        RegisterViewer(".bmp", viewer);
    }
    std::vector<std::string> Seen() const {
        std::vector<std::string> files;
        std::istringstream lines(ReadTextFile(m_record).value_or(""));
        for (std::string line; std::getline(lines, line);) {
            files.push_back(line);
        }
        return files;
    }
    bool WaitForNext(size_t count, const std::string& file) const {
        return WaitFor([&] {
            std::vector<std::string> files = Seen();
            return files.size() > count && files[count] == file;
        });
    }
    std::string Last() const {
        std::vector<std::string> files = Seen();
        return files.empty() ? "nothing opened" : Quoted(files.back());
    }

private:
    std::string m_record;
};

std::vector<std::string> ListFileEntries() {
    std::vector<std::string> entries;
    std::istringstream lines(ReadTextFile(WindowsDirectory() + "\\Kaleidra.LST").value_or(""));
    for (std::string line; std::getline(lines, line);) {
        line.erase(line.find_last_not_of("\r") + 1);
        if (!line.empty()) {
            entries.push_back(line);
        }
    }
    return entries;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + Quoted(item);
    }
    return text.empty() ? "(none)" : text;
}

RECT ClientArea(HWND hWnd) {
    RECT client{};
    GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool Shows(HWND hWnd, const RECT& area, COLORREF colour) {
    std::vector<COLORREF> colours = ScreenColours(hWnd, area);
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

// A face is one colour; the wall's bricks and mortar are more.
size_t DistinctColours(HWND hWnd, const RECT& area) {
    std::vector<COLORREF> colours = ScreenColours(hWnd, area);
    std::sort(colours.begin(), colours.end());
    return static_cast<size_t>(std::unique(colours.begin(), colours.end()) - colours.begin());
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND OpenDialog(Report& report, const AppProcess& app, HWND main, int command, const std::string& title) {
    PostMessageA(main, WM_COMMAND, command, 0);
    HWND dialog = nullptr;
    report.Check(WaitFor([&] { return (dialog = FindDialog(app.Id(), title)) != nullptr; }),
                 "command " + std::to_string(command) + " opens " + Quoted(title), "no such dialog");
    return dialog;
}

void CloseDialog(Report& report, HWND dialog, int button, const std::string& what) {
    ClickButton(dialog, button);
    report.Check(WaitFor([&] { return !IsWindow(dialog); }), what + " closes the dialog", "still open");
}

// A dialog just shown may not be painted yet: its looks are waited for, and its screenshot
// is what the screen shows then (a repaint asked of another process may come after it).
void CheckWhiteFace(Report& report, HWND dialog) {
    RECT client = ClientArea(dialog);
    COLORREF face = 0;
    report.Check(WaitFor([&] {
                     face = ClientPixel(dialog, {client.right - client.left - 3, client.bottom - client.top - 3});
                     return face == WHITE;
                 }),
                 "its face is white", "colour " + std::to_string(face));
}

// Pictures are added in the main window; one dropped here only gets the hint.
void CheckDropOnList(Report& report, const AppProcess& app, HWND dialog, const std::string& picture) {
    const std::vector<std::string> before = ListFileEntries();
    if (!report.Check(DropFile(app, dialog, picture), "drop on the Image List", "could not deliver the drop")) {
        return;
    }
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK, dialog);
    report.Check(box && box->text.rfind("You must add images to Image List by choosing Open Image", 0) == 0,
                 "a drop on the Image List says where pictures are added", Seen(box));
    report.Check(ListFileEntries() == before, "and adds nothing", Joined(ListFileEntries()));
}

// The list shows the file's entries; a double-click hands one to the desktop's viewer; a
// deleted entry leaves the file once confirmed.
void CheckImageList(Report& report, const AppProcess& app, HWND main, const Paths& paths, const OpenedFiles& opened) {
    HWND dialog = OpenDialog(report, app, main, ID_VIEW_LIST, "Kaleidra Image List");
    if (dialog == nullptr) {
        return;
    }
    HWND list = GetDlgItem(dialog, IDC_IMAGE_LIST);
    const std::vector<std::string> entries = ListFileEntries();
    std::vector<std::string> shown = ListBoxItems(list);
    report.Check(shown == entries && entries.size() == 2, "it shows the list file's two entries", Joined(shown));
    CheckWhiteFace(report, dialog);
    HWND heading = FindWindowExA(dialog, nullptr, "Static", nullptr);
    report.Check(WaitFor([&] {
                     std::vector<COLORREF> colours = ScreenColours(dialog, WindowArea(heading));
                     return std::any_of(colours.begin(), colours.end(), [](COLORREF c) { return c != WHITE; });
                 }),
                 "the heading bitmap is drawn", "only white in its frame");
    report.Check(SaveScreen(WindowArea(dialog), paths.shots + "\\imagelist.bmp"), "screenshot of the Image List");
    if (entries.size() != 2) {
        return;
    }
    const size_t openedBefore = opened.Seen().size();
    DoubleClickFirstEntry(list);
    report.Check(opened.WaitForNext(openedBefore, entries[0]), "a double-click asks the desktop to show that picture",
                 opened.Last());
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ClickButton(dialog, ID_DELETE_SELECTION);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDYES, dialog);
    report.Check(box && box->caption == "Confirmation" &&
                     box->text == "Are you sure you want to remove this image from the Image List?",
                 "Delete Selection asks first", Seen(box));
    // The box answers once the handler has returned, its rewrite done: the file is not read
    // while the program replaces it (Wine refuses to replace a file that is open anywhere).
    const std::vector<std::string> kept{entries[1]};
    report.Check(WaitFor([&] { return ListBoxItems(list) == kept; }), "answered Yes, the entry leaves the box",
                 Joined(ListBoxItems(list)));
    report.Check(ListFileEntries() == kept, "and the list file", Joined(ListFileEntries()));
    report.Check(!FileExists(WindowsDirectory() + "\\Kaleidra.LST.new"), "no rewrite is left beside the list");
    CheckDropOnList(report, app, dialog, kept[0]);
    CloseDialog(report, dialog, IDCANCEL, "Back to Main");
}

std::string OptionsSeen(HWND dialog) {
    HWND minutes = GetDlgItem(dialog, IDC_MINUTES);
    return std::string("random ") + (IsChecked(dialog, IDC_RANDOM_PICK) ? "on" : "off") + ", minutes " +
           (IsChecked(dialog, IDC_EVERY_MINUTES) ? "on" : "off") + ", daily " +
           (IsChecked(dialog, IDC_ONCE_A_DAY) ? "on" : "off") + ", field " + Quoted(ControlText(minutes)) +
           (IsWindowEnabled(minutes) ? " enabled" : " disabled");
}

// Check box and radio buttons as the settings say; the minutes field follows the mode.
void ChangeOptions(Report& report, const AppProcess& app, HWND dialog) {
    HWND minutes = GetDlgItem(dialog, IDC_MINUTES);
    ClickButton(dialog, IDC_RANDOM_PICK);
    report.Check(WaitFor([&] { return IsChecked(dialog, IDC_RANDOM_PICK); }), "a click checks \"Randomly pick\"");
    ClickButton(dialog, IDC_ONCE_A_DAY);
    report.Check(WaitFor([&] { return !IsWindowEnabled(minutes) && !IsChecked(dialog, IDC_EVERY_MINUTES); }),
                 "\"Once a day\" takes the check and disables the minutes", OptionsSeen(dialog));
    ClickButton(dialog, IDC_EVERY_MINUTES);
    report.Check(WaitFor([&] { return IsWindowEnabled(minutes) && !IsChecked(dialog, IDC_ONCE_A_DAY); }),
                 "\"Minute(s)\" enables them again", OptionsSeen(dialog));
    SendMessageA(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12.5"));
    ClickButton(dialog, IDC_ONCE_A_DAY);
    WaitFor([&] { return !IsWindowEnabled(minutes); });
    ClickButton(dialog, IDOK);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK, dialog);
    report.Check(box && box->caption == "Kaleidra" && box->text.rfind("NOTE: Not all settings will take effect", 0) == 0,
                 "OK notes when the settings take effect", Seen(box));
}

void CheckOptions(Report& report, const AppProcess& app, HWND main, const Paths& paths, const OpenedFiles& opened) {
    HWND dialog = OpenDialog(report, app, main, ID_OPTIONS, "Kaleidra Options");
    if (dialog == nullptr) {
        return;
    }
    report.Check(OptionsSeen(dialog) == "random off, minutes on, daily off, field \"30.00\" enabled",
                 "it shows the stored settings", OptionsSeen(dialog));
    CheckWhiteFace(report, dialog);
    report.Check(WaitFor([&] {
                     return Shows(dialog, WindowArea(GetDlgItem(dialog, IDC_RANDOM_PICK)), BLUE) &&
                            Shows(dialog, WindowArea(GetDlgItem(dialog, IDC_ONCE_A_DAY)), BLUE);
                 }),
                 "its check box and radio buttons are labelled in blue");
    report.Check(SaveScreen(WindowArea(dialog), paths.shots + "\\options.bmp"), "screenshot of Options");
    ChangeOptions(report, app, dialog);
    report.Check(WaitFor([&] { return !IsWindow(dialog); }), "the dialog closes");
    report.Check(WaitFor([] {
                     return Setting(HKEY_LOCAL_MACHINE, "pick") == "0" && Setting(HKEY_LOCAL_MACHINE, "freq") == "1" &&
                            Setting(HKEY_LOCAL_MACHINE, "mins") == "12.50";
                 }),
                 "the changes are stored (the minutes read even from the disabled field)",
                 "pick " + Setting(HKEY_LOCAL_MACHINE, "pick") + ", freq " + Setting(HKEY_LOCAL_MACHINE, "freq") +
                     ", mins " + Setting(HKEY_LOCAL_MACHINE, "mins"));
    dialog = OpenDialog(report, app, main, ID_OPTIONS, "Kaleidra Options");
    if (dialog == nullptr) {
        return;
    }
    report.Check(OptionsSeen(dialog) == "random on, minutes off, daily on, field \"\" disabled",
                 "opened again, it shows them", OptionsSeen(dialog));
    const std::string document = paths.exe.substr(0, paths.exe.rfind('\\') + 1) + "options.htm";
    const size_t openedBefore = opened.Seen().size();
    ClickButton(dialog, ID_HELP_TOPICS);
    report.Check(opened.WaitForNext(openedBefore, document), "its Help button asks the desktop to open options.htm",
                 opened.Last());
    report.Check(!FindMessageBox(app.Id(), dialog), "and the program shows no error", Seen(FindMessageBox(app.Id(), dialog)));
    PressKey(dialog, VK_F1);
    report.Check(opened.WaitForNext(openedBefore + 1, document), "so does F1 in the dialog", opened.Last());
    CloseDialog(report, dialog, IDCANCEL, "Cancel");
}

// The wall stretched over the whole client area, the text over it.
void CheckAbout(Report& report, const AppProcess& app, HWND main, const Paths& paths) {
    HWND dialog = OpenDialog(report, app, main, ID_ABOUT, "About This Program");
    if (dialog == nullptr) {
        return;
    }
    const RECT client = ClientArea(dialog);
    const RECT corners[] = {{client.right - CORNER_WIDTH, client.top, client.right, client.top + CORNER_HEIGHT},
                            {client.left, client.bottom - CORNER_HEIGHT, client.left + CORNER_WIDTH, client.bottom},
                            {client.right - CORNER_WIDTH, client.bottom - CORNER_HEIGHT, client.right, client.bottom}};
    std::string plain;
    report.Check(WaitFor([&] {
                     plain.clear();
                     for (const RECT& corner : corners) {
                         if (DistinctColours(dialog, corner) < 2) {
                             plain += std::to_string(corner.left - client.left) + "," +
                                      std::to_string(corner.top - client.top) + " ";
                         }
                     }
                     return plain.empty();
                 }),
                 "the brick wall reaches the corners without text", "a plain face at " + plain);
    report.Check(WaitFor([&] { return Shows(dialog, client, NOTICE_BLUE); }), "the notice is written over it in its blue");
    report.Check(SaveScreen(WindowArea(dialog), paths.shots + "\\about.bmp"), "screenshot of About");
    CloseDialog(report, dialog, IDOK, "OK");
}

// F1 in the main window asks the desktop to open the index beside the program.
void CheckHelp(Report& report, const AppProcess& app, HWND main, const Paths& paths, const OpenedFiles& opened) {
    const std::string document = paths.exe.substr(0, paths.exe.rfind('\\') + 1) + "krindex.htm";
    const size_t openedBefore = opened.Seen().size();
    PressKey(main, VK_F1);
    report.Check(opened.WaitForNext(openedBefore, document), "F1 asks the desktop to open krindex.htm", opened.Last());
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
    report.Check(!FindMessageBox(app.Id()), "and the program shows no error", Seen(FindMessageBox(app.Id())));
}

void CheckStartupEntry(Report& report, const AppProcess& app, HWND main, const std::string& exe,
                       const std::string& shortcut) {
    DeleteFileA(shortcut.c_str());
    PostMessageA(main, WM_COMMAND, ID_AUTO_LAUNCH, 0);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK);
    report.Check(box && box->text.rfind(NOW_CONFIGURED, 0) == 0, "Start with Windows reports the entry made", Seen(box));
    std::optional<ShortcutSeen> link = ReadShortcut(shortcut);
    const std::string folder = exe.substr(0, exe.rfind('\\') + 1);
    report.Check(link && _stricmp(link->target.c_str(), exe.c_str()) == 0 &&
                     _stricmp(link->workingDir.c_str(), folder.c_str()) == 0 &&
                     link->description == "Kaleidra 3.0 shortcut",
                 "the shell reads " + shortcut + " as the program's shortcut",
                 link ? Quoted(link->target) + " in " + Quoted(link->workingDir) + ", " + Quoted(link->description)
                      : "no readable shortcut");
    report.Check(Setting(HKEY_LOCAL_MACHINE, "autolaunch") == "1", "\"autolaunch\" is stored",
                 Setting(HKEY_LOCAL_MACHINE, "autolaunch"));
    PostMessageA(main, WM_COMMAND, ID_AUTO_LAUNCH, 0);
    box = AnswerMessageBox(app.Id(), IDOK);
    report.Check(box && box->text == ALREADY_CONFIGURED, "a second try finds it already configured", Seen(box));
}

// Started, then shown from the tray; null when it did not come up.
HWND StartShown(Report& report, AppProcess& app, const std::string& exe) {
    if (!report.Check(app.Start(exe), "kaleidra.exe starts")) {
        return nullptr;
    }
    HWND main = nullptr;
    WaitFor([&] { return (main = FindMainWindow(app.Id())) != nullptr && !IsWindowVisible(main); });
    PostMessageA(main, WM_TRAYNOTIFY, ID_TRAYICON, WM_LBUTTONDBLCLK);
    return report.Check(WaitFor([&] { return IsWindowVisible(main); }), "the tray shows the window") ? main : nullptr;
}

std::string SystemText(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    return text;
}

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of("\r\n ") + 1);
    return text;
}

void CreateFolders(const std::string& path) {
    for (size_t end = path.find('\\', 3); end != std::string::npos; end = path.find('\\', end + 1)) {
        CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}


// A folder where the shortcut belongs: it can't be written, which is said with the system's
// reason, and nothing is stored.
void CheckRefusedShortcut(Report& report, const AppProcess& app, HWND main, const std::string& shortcut) {
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "autolaunch");
    CreateDirectoryA(shortcut.c_str(), nullptr);
    PostMessageA(main, WM_COMMAND, ID_AUTO_LAUNCH, 0);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK);
    const std::string denied = Trimmed(SystemText(ERROR_ACCESS_DENIED));
    report.Check(box && box->caption == "kaleidra" && Trimmed(box->text) == denied,
                 "a shortcut that can't be written is reported as " + Quoted(denied), Seen(box));
    report.Check(Setting(HKEY_LOCAL_MACHINE, "autolaunch") == "(missing)", "and \"autolaunch\" is not stored",
                 Setting(HKEY_LOCAL_MACHINE, "autolaunch"));
    RemoveDirectoryA(shortcut.c_str());
}

}  // namespace

void RunSecondaryDialogs(Report& report, const Paths& paths) {
    std::puts("== dialogs, help and the start-up entry");
    WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "mins", "30");  // no tick meanwhile
    const OpenedFiles opened;
    AppProcess app;
    HWND main = StartShown(report, app, paths.exe);
    if (main == nullptr) {
        return;
    }
    CheckImageList(report, app, main, paths, opened);
    CheckOptions(report, app, main, paths, opened);
    CheckAbout(report, app, main, paths);
    CheckHelp(report, app, main, paths, opened);
    CheckStartupEntry(report, app, main, paths.exe, StartupFolder() + "\\kaleidra.lnk");
    CheckExit(report, app, main);
}

// A copy of the exe alone in its folder, on a system whose Windows directory holds the
// StartUp folder (as older ones did).
void RunCopyWithoutDocuments(Report& report, const Paths& paths) {
    std::puts("== a copy without help documents; a StartUp folder in the Windows directory");
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "kaleidra-copy";
    const std::string exe = folder + "\\kaleidra.exe";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string startup = WindowsDirectory() + "\\Start Menu\\Programs\\StartUp";
    CreateFolders(startup);
    AppProcess app;
    HWND main = CopyFileA(paths.exe.c_str(), exe.c_str(), FALSE) ? StartShown(report, app, exe) : nullptr;
    if (main == nullptr) {
        return;
    }
    PressKey(main, VK_F1);
    std::optional<MessageBoxSeen> box = AnswerMessageBox(app.Id(), IDOK);
    const std::string notFound = Trimmed(SystemText(ERROR_FILE_NOT_FOUND));
    report.Check(box && box->caption == "kaleidra" && Trimmed(box->text) == notFound,
                 "F1 reports the missing document with the system's text " + Quoted(notFound), Seen(box));
    CheckRefusedShortcut(report, app, main, startup + "\\kaleidra.lnk");
    CheckStartupEntry(report, app, main, exe, startup + "\\kaleidra.lnk");
    CheckExit(report, app, main);
}
