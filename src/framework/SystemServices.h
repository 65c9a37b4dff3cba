// The system services the program asks of its host: registry, desktop wallpaper,
// files, errors, process, date, time and random numbers. Each backend implements them.
// Calls that fill a caller's buffer on Windows return a std::string here instead,
// so no caller can get the buffer size wrong.
#pragma once

#include "framework/WinTypes.h"

#include <ctime>
#include <string>
#include <string_view>

namespace fw {

#ifdef _WIN32
inline constexpr char PATH_SEPARATOR = '\\';
#else
inline constexpr char PATH_SEPARATOR = '/';
#endif

// Registry: one text per key, in the key's default value.
// RegSetValueA creates the key and its parents when missing.
// RegQueryValueA copies the text with its terminating zero into value when it fits in
// *cbValue bytes and returns ERROR_SUCCESS; otherwise it leaves value as it was.
LONG RegSetValueA(HKEY root, const char* subKey, DWORD type, const char* data, DWORD cbData);
LONG RegQueryValueA(HKEY root, const char* subKey, char* value, LONG* cbValue);

// Desktop wallpaper: SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path, flags).
BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, const char* pvParam, UINT fWinIni);

std::string GetWindowsDirectoryA();
std::string GetModuleFileNameA();
// The folder of the program's data files (its help documents), given the program file's
// folder; both end with the separator. An installed program keeps its data apart.
std::string ProgramDataFolder(const std::string& programFolder);

// A fixed Windows path of the program's own (such as the previous version's folder
// on drive C:) as this host spells it.
std::string NativePath(std::string_view windowsPath);

// Text an earlier build wrote, as this build's: on Windows, text that is not UTF-8 was
// written in the system's ANSI code page and is converted; where file names are bytes
// (Linux) it stays as it is.
std::string FromEarlierCodePage(std::string text);

BOOL CopyFileA(const char* existingFile, const char* newFile, BOOL failIfExists);
BOOL DeleteFileA(const char* fileName);

DWORD GetLastError();
void SetLastError(DWORD errorCode);
// The system's text for an error code (FormatMessageA from the system, default language).
std::string FormatMessageA(DWORD messageId);

[[noreturn]] void ExitProcess(UINT exitCode);

// Top-level windows of any program: by class, by exact title, or both (a null
// argument matches any).
HWND FindWindowA(const char* className, const char* windowName);
BOOL SetForegroundWindow(HWND hWnd);
// Shows a top-level window, also another copy's (SW_RESTORE: shown, restored and active).
BOOL ShowWindow(HWND hWnd, int nCmdShow);
// Takes the program's one instance for this process, in a single step that no other copy
// can also win; false when another copy holds it. Held until the process ends.
bool ClaimSingleInstance(const char* name);
void Sleep(DWORD milliseconds);

// The component library, which the shell's link objects need.
void CoInitialize();
void CoUninitialize();

// An icon of the program's resources; null when there is none. The first form is the
// large icon; the second is size pixels square, where the host's icons have sizes.
HICON LoadIconA(UINT nIDResource);
HICON LoadIconA(UINT nIDResource, int size);
// The message id the system gives that name, the same for every window of the session.
UINT RegisterWindowMessageA(const char* name);
int GetSystemMetrics(int nIndex);

// The shell: a verb applied to a file or program with the desktop's associations; the
// result is above 32 when it was done. The Ex form reports failure as FALSE with the reason
// in the last error.
HINSTANCE ShellExecuteA(HWND hWnd, const char* operation, const char* file, const char* parameters,
                        const char* directory, int showCmd);
BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info);
// Releases a process handle the shell gave back.
BOOL CloseHandle(HANDLE handle);

// The start-up entry the shell runs at every log-on: "kaleidra.lnk" in the StartUp folder
// on Windows, the autostart entry "kaleidra.desktop" on Linux desktops.
std::string StartupShortcutPath();
// Writes a shortcut to target, started in workingDir, with the description as its
// comment. Needs CoInitialize on Windows. A failure code carries the system's error.
HRESULT CreateShortcut(const char* target, const char* shortcutPath, const char* workingDir,
                       const char* description);

// The notification-area icon.
BOOL Shell_NotifyIconA(DWORD dwMessage, NOTIFYICONDATAA* data);

// The path of a dropped file, whole; empty when there is no such file.
std::string DragQueryFileA(HDROP hDrop, UINT index);
void DragFinish(HDROP hDrop);

// Today's local date as MM/DD/YY.
std::string _strdate();
std::time_t time();
void srand(unsigned seed);
int rand();

// The framework's own message box: the application's title as caption.
int AfxMessageBox(const char* text, UINT type);
// A message box owned by a window, or by none when hWnd is null.
int MessageBoxA(HWND hWnd, const char* text, const char* caption, UINT type);
// The active window of this program, or null.
HWND GetActiveWindow();
// The application's title: the program file's name without its extension.
std::string AfxGetAppName();
// Whether the user's system is Windows, which texts may name; a Linux desktop session's
// texts speak of logging in instead.
bool IsWindowsSession();

}  // namespace fw
