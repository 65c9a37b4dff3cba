// The headless host: the whole program runs in-process against an in-memory world that
// a test builds, scripts and inspects. Files are real, in a fresh temporary folder that
// stands for the Windows directory and drive C:; everything else (registry, wallpaper,
// message boxes, windows, clock, random numbers) lives here.
#pragma once

#include "framework/Dialog.h"
#include "framework/WinTypes.h"
#include "platform/headless/HeadlessRegistry.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the world knows of one window.
struct HWND__ {
    CWnd* wnd = nullptr;
    bool visible = false;
    std::string title;
    bool modalEnded = false;
    int modalResult = -1;
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

// Calls whose next use a test can make fail.
enum class HeadlessCall { CopyFile, DeleteFile };

// Thrown by ExitProcess; ends a scenario, not the test binary.
struct ProcessExit {
    UINT code;
};

class HeadlessWorld {
public:
    using Clock = std::chrono::system_clock;
    using MessageBoxScript = std::function<int(const MessageBoxRecord&)>;
    using ModalScript = std::function<void(CDialog&)>;

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

    // What was shown.
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<WallpaperCall> wallpaperCalls;
    std::optional<UINT> exitCode;

    // Scripted answers. A box with no script left answers IDOK, or IDNO to a question.
    void AnswerNextMessageBox(int answer);
    void OnNextMessageBox(MessageBoxScript script);
    // The next modal dialog runs this as its loop; with none left, a loop returns at once.
    void OnNextModal(ModalScript script);
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

    // Window events.
    LRESULT SendCommand(CWnd& wnd, UINT id);

    // The backend's side.
    HWND CreateWindowFor(CWnd& wnd);
    void DestroyWindow(HWND hWnd);
    void SetTimer(HWND hWnd, UINT_PTR id, UINT elapse);
    bool KillTimer(HWND hWnd, UINT_PTR id);
    bool HasTimer(HWND hWnd, UINT_PTR id) const;
    // The newest window that is shown, or null.
    HWND ActiveWindow() const;
    std::optional<UINT> TimerPeriod(HWND hWnd, UINT_PTR id) const;
    int ShowMessageBox(HWND owner, std::string text, std::string caption, UINT type);
    void RunModalLoop(CDialog& dialog);
    void Srand(unsigned seed) { m_randState = seed; }
    int Rand();

private:
    struct Timer {
        HWND hWnd;
        UINT_PTR id;
        UINT period;
        Clock::time_point due;
    };
    Timer* NextDueTimer(Clock::time_point limit);

    std::filesystem::path m_root;
    Clock::time_point m_now;
    unsigned m_randState = 1;
    std::vector<std::unique_ptr<HWND__>> m_windows;
    std::vector<Timer> m_timers;
    std::deque<MessageBoxScript> m_messageBoxScripts;
    std::deque<ModalScript> m_modalScripts;
    std::vector<std::pair<HeadlessCall, int>> m_failures;
};
