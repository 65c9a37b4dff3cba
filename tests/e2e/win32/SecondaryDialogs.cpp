// The dialogs opened from the main window, the help documents and the start-up entry, seen
// and used from outside as a user does.
#include "Checks.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

constexpr int ID_VIEW_LIST = 1009;
constexpr int ID_OPTIONS = 1010;
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

// The lines of the text that are not empty, '|' between them.
std::string Entries(const std::string& text) {
    std::istringstream in(text);
    std::string entries;
    for (std::string line; std::getline(in, line);) {
        line.erase(line.find_last_not_of("\r") + 1);
        entries += line.empty() || entries.empty() ? line : "|" + line;
    }
    return entries;
}

// The documents and pictures the desktop was asked to open, in order.
class OpenedFiles {
public:
    OpenedFiles() : m_record(TempPath("kaleidra-opened.txt")) {
        DeleteFileA(m_record.c_str());
        const std::string viewer = "KaleidraE2E.Viewer";
        WriteRegistryText(HKEY_CLASSES_ROOT, ".htm", viewer);
        WriteRegistryText(HKEY_CLASSES_ROOT, ".bmp", viewer);
        WriteRegistryText(HKEY_CLASSES_ROOT, viewer + "\\shell\\open\\command",
                          Quoted(DriverExe()) + " " + RECORD_OPEN_ARGUMENT + " " + Quoted(m_record) + " \"%1\"");
    }
    // Does the action and checks that it makes the desktop open the file next. Input sent
    // from outside is now and then lost while Wine hands the focus over: an action that
    // opens nothing is tried again.
    template <class Action>
    void Expect(Session& run, Action action, const std::string& file, const std::string& what) const {
        const size_t before = Record().size();
        for (int attempt = 0; attempt < 3 && Record().size() == before; ++attempt) {
            action();
            WaitFor([&] { return Record().size() > before; }, 4000);
        }
        run.Await([&] { return Record().substr(before).starts_with(file + "\n"); }, what, [&] {
            return Record().size() == before ? "nothing opened" : Quoted(Record().substr(before));
        });
    }

private:
    std::string Record() const { return ReadTextFile(m_record).value_or(""); }

    std::string m_record;
};

RECT ClientArea(HWND hWnd) {
    RECT client{};
    GetClientRect(hWnd, &client);
    MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string DocumentBesideProgram(const std::string& exe, const std::string& name) {
    return exe.substr(0, exe.rfind('\\') + 1) + name;
}

HWND OpenDialog(Session& run, int command, const std::string& title) {
    run.Command(command);
    HWND dialog = nullptr;
    run.Await([&] { return (dialog = FindDialog(run.app.Id(), title)) != nullptr; },
              "command " + std::to_string(command) + " opens " + Quoted(title), [] { return "no such dialog"; });
    run.Check(!dialog || (GetWindow(dialog, GW_OWNER) == run.main && !IsWindowEnabled(run.main)), "main owns it");
    return dialog;
}

// A dialog just shown may not be painted yet: its looks are waited for, and its screenshot
// is what the screen shows then (a repaint asked of another process may come after it).
void CheckWhiteFace(Session& run, HWND dialog) {
    const RECT client = ClientArea(dialog);
    COLORREF face = 0;
    run.Await([&] {
        return (face = ClientPixel(dialog, {client.right - client.left - 3, client.bottom - client.top - 3})) == WHITE;
    }, "its face is white", [&] { return "colour " + std::to_string(face); });
}

void CloseDialog(Session& run, HWND dialog, int button, const std::string& what) {
    ClickButton(dialog, button);
    run.Await([&] { return !IsWindow(dialog); }, what + " closes the dialog", [] { return "still open"; });
}

// A picture control does not own its bitmap: a dialog that made one at each opening would
// leave it behind every time. (Wine counts no GDI objects for GetGuiResources.)
void CheckHeadingMadeOnce(Session& run) {
    std::set<LRESULT> bitmaps;
    for (int opening = 0; opening < 20; ++opening) {
        HWND dialog = nullptr;
        run.Command(ID_VIEW_LIST);
        WaitFor([&] { return (dialog = FindDialog(run.app.Id(), "Kaleidra Image List")) != nullptr; });
        bitmaps.insert(SendMessageA(FindWindowExA(dialog, nullptr, "Static", nullptr), STM_GETIMAGE, IMAGE_BITMAP, 0));
        ClickButton(dialog, IDCANCEL);
        WaitFor([&] { return !IsWindow(dialog); });
    }
    run.Check(bitmaps.size() == 1 && !bitmaps.contains(0), "the Image List's heading is one bitmap in twenty openings",
              std::to_string(bitmaps.size()) + " bitmaps");
}

// The list shows the file's entries; a double-click hands one to the desktop's viewer; a
// deleted entry leaves the file once confirmed; a picture dropped here only gets the hint.
void CheckImageList(Session& run, const OpenedFiles& opened) {
    HWND dialog = OpenDialog(run, ID_VIEW_LIST, "Kaleidra Image List");
    if (dialog == nullptr) {
        return;
    }
    HWND list = GetDlgItem(dialog, IDC_IMAGE_LIST);
    const auto items = [&] { return ItemTexts(list, LB_GETCOUNT, LB_GETTEXT); };
    const std::string entries = Entries(ListFile());
    const bool two = std::ranges::count(entries, '|') == 1;
    run.Check(items() == entries && two, "it shows the list file's two entries", Quoted(items()));
    CheckWhiteFace(run, dialog);
    HWND heading = FindWindowExA(dialog, nullptr, "Static", nullptr);
    run.Await([&] {
        const std::set<COLORREF> colours = ScreenColours(dialog, WindowArea(heading));
        return colours.size() > colours.count(WHITE);
    }, "the heading bitmap is drawn", [] { return "only white in its frame"; });
    run.Check(SaveScreen(WindowArea(dialog), run.paths.shots + "\\imagelist.bmp"), "screenshot of the Image List");
    if (!two) {
        return;
    }
    const auto doubleClickFirstRow = [&] {
        for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
            PostMessageA(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(4, 4));
        }
    };
    opened.Expect(run, doubleClickFirstRow, entries.substr(0, entries.find('|')),
                  "a double-click asks the desktop to show that picture");
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    ClickButton(dialog, ID_DELETE_SELECTION);
    run.Answer(IDYES, {"Confirmation", "Are you sure you want to remove this image from the Image List?"},
               "Delete Selection asks first", dialog);
    // The box answers once the handler has returned, its rewrite done: the file is not read
    // while the program replaces it (Wine refuses to replace a file that is open anywhere).
    const std::string kept = entries.substr(entries.find('|') + 1);
    run.Await([&] { return items() == kept; }, "answered Yes, the entry leaves the box",
              [&] { return Quoted(items()); });
    run.Check(Entries(ListFile()) == kept, "and the list file", Quoted(ListFile()));
    if (run.Check(DropFile(run.app, dialog, kept), "drop on the Image List", "could not deliver the drop")) {
        run.Answer(IDOK, {nullptr, "You must add images to Image List by choosing Open Image..."},
                   "a drop on the Image List says where pictures are added", dialog);
    }
    CloseDialog(run, dialog, IDCANCEL, "Back to Main");
}

std::string OptionsSeen(HWND dialog) {
    HWND minutes = GetDlgItem(dialog, IDC_MINUTES);
    char field[64] = {};
    SendMessageA(minutes, WM_GETTEXT, sizeof field, reinterpret_cast<LPARAM>(field));
    return std::string("random ") + (IsChecked(dialog, IDC_RANDOM_PICK) ? "on" : "off") + ", minutes " +
           (IsChecked(dialog, IDC_EVERY_MINUTES) ? "on" : "off") + ", daily " +
           (IsChecked(dialog, IDC_ONCE_A_DAY) ? "on" : "off") + ", field " + Quoted(field) +
           (IsWindowEnabled(minutes) ? " enabled" : " disabled");
}

// A click checks the box, "Once a day" takes the radio check and disables the minutes, whose
// text is still read on OK.
void ChangeOptions(Session& run, HWND dialog) {
    HWND minutes = GetDlgItem(dialog, IDC_MINUTES);
    ClickButton(dialog, IDC_RANDOM_PICK);
    ClickButton(dialog, IDC_ONCE_A_DAY);
    run.Await([&] {
        return IsChecked(dialog, IDC_RANDOM_PICK) && !IsChecked(dialog, IDC_EVERY_MINUTES) && !IsWindowEnabled(minutes);
    }, "clicks check \"Randomly pick\" and \"Once a day\", which disables the minutes",
              [&] { return OptionsSeen(dialog); });
    SendMessageA(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12.5"));
    ClickButton(dialog, IDOK);
    run.Answer(IDOK, {"Kaleidra", "NOTE: Not all settings will take effect..."},
               "OK notes when the settings take effect", dialog);
}

void CheckOptions(Session& run, const OpenedFiles& opened) {
    HWND dialog = OpenDialog(run, ID_OPTIONS, "Kaleidra Options");
    if (dialog == nullptr) {
        return;
    }
    run.Check(OptionsSeen(dialog) == "random off, minutes on, daily off, field \"30.00\" enabled",
              "it shows the stored settings", OptionsSeen(dialog));
    CheckWhiteFace(run, dialog);
    run.Await([&] {
        return ScreenColours(dialog, WindowArea(GetDlgItem(dialog, IDC_RANDOM_PICK))).contains(BLUE) &&
               ScreenColours(dialog, WindowArea(GetDlgItem(dialog, IDC_ONCE_A_DAY))).contains(BLUE);
    }, "its check box and radio buttons are labelled in blue");
    run.Check(SaveScreen(WindowArea(dialog), run.paths.shots + "\\options.bmp"), "screenshot of Options");
    opened.Expect(run, [&] { PressKey(dialog, VK_F1); }, DocumentBesideProgram(run.paths.exe, "options.htm"),
                  "F1 in the dialog asks the desktop to open options.htm");
    ChangeOptions(run, dialog);
    run.Await([&] { return !IsWindow(dialog); }, "the dialog closes");
    const auto stored = [] { return Settings(HKEY_LOCAL_MACHINE, {"pick", "freq", "mins"}); };
    run.Await([&] { return stored() == "pick=0 freq=1 mins=12.50"; },
              "the changes are stored (the minutes read even from the disabled field)", stored);
}

// The wall stretched over the whole client area, the text over it.
void CheckAbout(Session& run) {
    HWND dialog = OpenDialog(run, ID_ABOUT, "About This Program");
    if (dialog == nullptr) {
        return;
    }
    const RECT client = ClientArea(dialog);
    const RECT corners[] = {{client.right - CORNER_WIDTH, client.top, client.right, client.top + CORNER_HEIGHT},
                            {client.left, client.bottom - CORNER_HEIGHT, client.left + CORNER_WIDTH, client.bottom},
                            {client.right - CORNER_WIDTH, client.bottom - CORNER_HEIGHT, client.right, client.bottom}};
    std::string plain;
    run.Await([&] {
        plain.clear();
        for (const RECT& corner : corners) {
            if (ScreenColours(dialog, corner).size() < 2) {  // a face is one colour, the wall more
                plain +=
                    std::to_string(corner.left - client.left) + "," + std::to_string(corner.top - client.top) + " ";
            }
        }
        return plain.empty();
    }, "the brick wall reaches the corners without text", [&] { return "a plain face at " + plain; });
    run.Await([&] { return ScreenColours(dialog, client).contains(NOTICE_BLUE); },
              "the notice is written over it in its blue");
    run.Check(SaveScreen(WindowArea(dialog), run.paths.shots + "\\about.bmp"), "screenshot of About");
    CloseDialog(run, dialog, IDOK, "OK");
}

// The system's own text for an error, as the program shows it.
BoxText SystemError(DWORD error) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                   nullptr);
    std::string message = text;
    message.erase(message.find_last_not_of("\r\n ") + 1);
    return {"kaleidra", message};
}


}  // namespace

void RunSecondaryDialogs(Report& report, const Paths& paths) {
    std::puts("== dialogs, help and the start-up entry");
    WriteRegistryText(HKEY_LOCAL_MACHINE, std::string(SETTINGS) + "mins", "30");  // no tick meanwhile
    const OpenedFiles opened;
    Session run(report, paths);
    if (!run.StartShown(paths.exe)) {
        return;
    }
    CheckImageList(run, opened);
    CheckHeadingMadeOnce(run);
    CheckOptions(run, opened);
    CheckAbout(run);
    // F1 in the main window asks the desktop to open the index beside the program.
    opened.Expect(run, [&] { PressKey(run.main, VK_F1); }, DocumentBesideProgram(paths.exe, "krindex.htm"),
                  "F1 asks the desktop to open krindex.htm");
    const std::string shortcut = ShellFolder(CSIDL_STARTUP) + "\\kaleidra.lnk";
    run.Command(ID_AUTO_LAUNCH);
    run.Answer(IDOK, {nullptr, "Kaleidra is now configured to start automatically with Windows...."},
               "Start with Windows reports the entry made");
    std::optional<ShortcutSeen> link = ReadShortcut(shortcut);
    run.Check(link && _stricmp(link->target.c_str(), paths.exe.c_str()) == 0 &&
                  _stricmp(link->workingDir.c_str(), DocumentBesideProgram(paths.exe, "").c_str()) == 0 &&
                  link->description == "Kaleidra 3.0 shortcut",
              "the shell reads " + shortcut + " as the program's shortcut",
              link ? Quoted(link->target) + " in " + Quoted(link->workingDir) + ", " + Quoted(link->description)
                   : "no readable shortcut");
    CheckExit(run);
}

// A copy of the exe alone in its folder, on a system whose Windows directory holds the
// StartUp folder (as older ones did).
void RunCopyWithoutDocuments(Report& report, const Paths& paths) {
    std::puts("== a copy without help documents; a StartUp folder in the Windows directory");
    const std::string folder = TempPath("kaleidra-copy");
    const std::string exe = folder + "\\kaleidra.exe";
    const std::string startup = WindowsDirectory() + "\\Start Menu\\Programs\\StartUp";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    SHCreateDirectoryExA(nullptr, startup.c_str(), nullptr);
    Session run(report, paths);
    if (!CopyFileA(paths.exe.c_str(), exe.c_str(), FALSE) || !run.StartShown(exe)) {
        return;
    }
    PressKey(run.main, VK_F1);
    const BoxText notFound = SystemError(ERROR_FILE_NOT_FOUND);
    run.Answer(IDOK, notFound, "F1 reports the missing document with the system's text " + Quoted(notFound.text));
    // A folder where the shortcut belongs (this StartUp folder exists, so it is chosen): the
    // shortcut can't be written, which is said with the system's reason, and nothing is stored.
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(SETTINGS) + "autolaunch").c_str());
    CreateDirectoryA((startup + "\\kaleidra.lnk").c_str(), nullptr);
    run.Command(ID_AUTO_LAUNCH);
    const BoxText denied = SystemError(ERROR_ACCESS_DENIED);
    run.Answer(IDOK, denied, "a shortcut that can't be written is reported as " + Quoted(denied.text));
    run.Check(Setting(HKEY_LOCAL_MACHINE, "autolaunch") == "(missing)", "and \"autolaunch\" is not stored",
              Setting(HKEY_LOCAL_MACHINE, "autolaunch"));
    CheckExit(run);
}
