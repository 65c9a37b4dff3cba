// The headless host: the whole program runs in-process against an in-memory world that
// a test builds, scripts and inspects. Files are real, in a fresh temporary folder that
// stands for the Windows directory and drive C:; everything else (registry, wallpaper,
// message boxes, windows, menus, the notification area, clock, random numbers) lives here.
#pragma once

#include "framework/Dialog.h"
#include "framework/Templates.h"
#include "framework/WinTypes.h"
#include "platform/emulated/Shell.h"
#include "platform/emulated/System.h"
#include "platform/headless/Registry.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

// What the world knows of one window or control.
struct HWND__ {
    CWnd* wnd = nullptr;
    HWND parent = nullptr;  // the dialog of a control
    UINT id = 0;            // a control's id
    std::string className;
    std::string title;
    bool visible = false;
    bool iconic = false;
    bool needsPaint = false;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    UINT menuId = 0;
    RECT client{};
    bool modalEnded = false;
    int modalResult = -1;
    std::unique_ptr<CWnd> control;  // the program's object for a control
    DWORD style = 0;
    bool enabled = true;
    UINT check = BST_UNCHECKED;      // a check box or radio button
    std::vector<std::string> items;  // a list box's entries, in order
    int selection = LB_ERR;
    // The painting in progress.
    int bkMode = 2;  // OPAQUE
    COLORREF textColor = 0;
};

struct HICON__ {
    UINT id;
};

struct MessageBoxRecord {
    HWND owner;  // null for the framework's own boxes
    std::string text;
    std::string caption;
    UINT type;
    int answer;
};

struct WallpaperCall {
    UINT action;
    UINT param;
    std::string path;
    UINT flags;
};

struct TrayCall {
    DWORD message;
    NOTIFYICONDATAA data;
};

struct PopupMenuRecord {
    std::vector<std::string> items;  // the texts, separators as ""
    UINT flags;
    POINT point;
    HWND owner;
};

struct FileDialogRecord {
    bool open;
    std::string title;
    std::string filter;
    DWORD flags;
    HWND owner;
};

struct PaintRecord {
    enum class Kind { StretchDIBits, DrawIcon, StretchBlt, TextOut };
    Kind kind{};
    HWND hWnd = nullptr;
    RECT dest{};  // left, top, width, height; the icon's corner for DrawIcon, the point for TextOut
    BITMAPINFOHEADER header{};
    std::vector<unsigned char> bits;  // rows padded to 4 bytes
    HICON icon = nullptr;
    RECT source{};  // StretchBlt: left, top, width, height in the bitmap
    std::string text;
    COLORREF textColor = 0;
    int bkMode = 0;
};

using ShellCall = emulated::ShellRequest;

struct ShortcutRecord {
    std::string target;
    std::string path;
    std::string workingDir;
    std::string description;
};

// Calls whose next use a test can make fail.
enum class HeadlessCall { CopyFile, DeleteFile, ShellExecute, CreateShortcut };

// Thrown by ExitProcess; ends a scenario, not the test binary.
struct ProcessExit {
    UINT code;
};

class HeadlessWorld {
public:
    using Clock = std::chrono::system_clock;
    using MessageBoxScript = std::function<int(const MessageBoxRecord&)>;
    using ModalScript = std::function<void(CDialog&)>;

    // Where a window's client area starts on the screen, and the system's icon size.
    static constexpr POINT CLIENT_ORIGIN{200, 150};
    static constexpr int ICON_SIZE = emulated::ICON_SIZE;

    HeadlessWorld();
    ~HeadlessWorld();
    HeadlessWorld(const HeadlessWorld&) = delete;
    HeadlessWorld& operator=(const HeadlessWorld&) = delete;

    // The world of the running test; exactly one exists at a time.
    static HeadlessWorld& Current();

    // Places.
    const std::filesystem::path& Root() const { return m_root; }
    std::string WindowsDirectory() const;
    std::string ModuleFileName() const;
    std::string NativePath(std::string_view windowsPath) const;

    // Registry.
    HeadlessRegistry registry;

    // What was shown and done.
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<WallpaperCall> wallpaperCalls;
    std::vector<TrayCall> trayCalls;
    std::vector<PopupMenuRecord> popupMenus;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<PaintRecord> paints;
    std::vector<ShellCall> shellCalls;
    std::vector<ShortcutRecord> shortcuts;
    HWND focusWindow = nullptr;
    int openProcessHandles = 0;  // handles of viewers the shell started, not yet closed
    std::optional<UINT> exitCode;
    HWND foregroundWindow = nullptr;
    bool windowsSession = true;  // false: the texts of a Linux desktop session
    std::set<std::string> claimedInstances;  // a test adds one to stand for another copy
    DWORD sleptMs = 0;
    int comInitializations = 0;  // CoInitialize less CoUninitialize
    int waitCursorShows = 0;     // times the busy cursor was shown
    int waitCursorDepth = 0;     // above 0 while it shows

    // Scripted answers. A box with no script left answers IDOK, or IDNO to a question.
    void AnswerNextMessageBox(int answer);
    void OnNextMessageBox(MessageBoxScript script);
    // The next modal dialog runs this as its loop; with none left, a loop returns at once.
    void OnNextModal(ModalScript script);
    // The next file dialog returns this path, or is cancelled with nothing.
    void AnswerNextFileDialog(std::optional<std::string> path);
    // The next pop-up menu chooses this command; unscripted menus are dismissed.
    void ChooseNextMenuItem(UINT id);
    // The next use of the call fails with the given error (errno value).
    void FailNext(HeadlessCall call, int error);
    bool TakeFailure(HeadlessCall call);

    // Clock: local time, starting at noon on 15 March 2024.
    void SetLocalTime(std::chrono::sys_seconds time);
    Clock::time_point Now() const { return m_now; }
    // Moves the clock on, firing every timer that falls due, in order.
    void Advance(std::chrono::milliseconds duration);

    // Runs a whole program run; an ExitProcess inside ends it and sets exitCode.
    void RunProcess(const std::function<void()>& body);

    // What a user and the system do to a window. Each delivers the message, then what it
    // posted (a chosen menu item) and the paints it caused.
    LRESULT SendCommand(CWnd& wnd, UINT id);
    void DropFiles(CWnd& wnd, std::vector<std::string> files);
    void RightClick(CWnd& wnd, POINT screenPoint);
    void TrayMessage(CWnd& wnd, WPARAM iconId, UINT mouseMessage);
    void Minimize(CWnd& wnd);
    BOOL PressHelpKey(CWnd& wnd);
    std::optional<CtlColor> AskColors(CWnd& wnd, UINT type);
    // Controls of a dialog as a user works them; each notifies the dialog as the system does.
    void ClickButton(CWnd& dialog, UINT id);
    void TypeText(CWnd& dialog, UINT id, const std::string& text);
    void SelectListEntry(CWnd& dialog, UINT id, int index);
    void DoubleClickListEntry(CWnd& dialog, UINT id, int index);
    // A control's state, for checks.
    HWND__& ControlState(CWnd& dialog, UINT id) const;
    // Paints the window now, as the system does when it is uncovered.
    void Repaint(CWnd& wnd);

    // Windows.
    HWND FindWindow(const char* className, const char* title) const;
    HWND ActiveWindow() const;
    std::vector<HWND> TopLevelWindows() const;

    // The backend's side.
    HWND CreateDialogWindow(CDialog& dialog, const DialogTemplate* dialogTemplate);
    CWnd* Control(HWND dialog, UINT id) const;
    void DestroyWindow(HWND hWnd);
    void SetTimer(HWND hWnd, UINT_PTR id, UINT elapse);
    bool KillTimer(HWND hWnd, UINT_PTR id);
    bool HasTimer(HWND hWnd, UINT_PTR id) const;
    std::optional<UINT> TimerPeriod(HWND hWnd, UINT_PTR id) const;
    int ShowMessageBox(HWND owner, std::string text, std::string caption, UINT type);
    void RunModalLoop(CDialog& dialog);
    std::optional<std::string> TakeFileDialogAnswer();
    std::string StartupFolder() const;
    // A handle of a viewer the shell started, and its release.
    HANDLE OpenViewerProcess();
    BOOL CloseViewerProcess(HANDLE handle);
    void TrackPopupMenu(PopupMenuRecord record, const std::vector<UINT>& commands);
    HICON Icon(UINT id);
    // Delivers posted commands and the paints that are due.
    void Pump();

private:
    struct Timer {
        HWND hWnd;
        UINT_PTR id;
        UINT period;
        Clock::time_point due;
    };
    Timer* NextDueTimer(Clock::time_point limit);
    LRESULT Deliver(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

    std::filesystem::path m_root;
    Clock::time_point m_now;
    std::vector<std::unique_ptr<HWND__>> m_windows;
    std::vector<std::unique_ptr<HICON__>> m_icons;
    std::vector<Timer> m_timers;
    std::deque<MessageBoxScript> m_messageBoxScripts;
    std::deque<ModalScript> m_modalScripts;
    std::deque<std::optional<std::string>> m_fileDialogAnswers;
    std::deque<UINT> m_menuChoices;
    std::deque<std::pair<HWND, UINT>> m_postedCommands;
    std::vector<std::pair<HeadlessCall, int>> m_failures;
};
