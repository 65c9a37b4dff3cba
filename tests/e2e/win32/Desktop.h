// What a user and the system see of the program: its windows and message boxes, files,
// registry values and the wallpaper; and what they do to it: answer, drop, click, look.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

class AppProcess;

// The program's main window, found by its window class among the process's windows.
HWND FindMainWindow(DWORD processId);
std::string WindowText(HWND hWnd);
RECT WindowArea(HWND hWnd);

struct MessageBoxSeen {
    HWND hWnd;
    std::string caption;
    std::string text;
};
// A message box of the process open now, other than the dialog named besides.
std::optional<MessageBoxSeen> FindMessageBox(DWORD processId, HWND besides = nullptr);
// Waits for a message box, presses the button and waits for the box to go; the box seen,
// or nothing when none opened.
std::optional<MessageBoxSeen> AnswerMessageBox(DWORD processId, int button, HWND besides = nullptr);
// The pop-up menu the process shows now.
HWND FindPopupMenu(DWORD processId);

// Drops one file on the window: a DROPFILES block written into the process, then WM_DROPFILES.
bool DropFile(const AppProcess& process, HWND target, const std::string& path);

std::optional<std::string> ReadRegistryText(HKEY root, const std::string& key);
bool WriteRegistryText(HKEY root, const std::string& key, const std::string& text);
void DeleteRegistryKey(HKEY root, const std::string& key);

// A file of that name in the temporary folder.
std::string TempPath(const std::string& name);
// This driver's own exe, which other roles start.
std::string DriverExe();
std::string WindowsDirectory();
// A folder of the shell by its CSIDL (the user's StartUp folder, say) as the shell reports it.
std::string ShellFolder(int csidl);
std::optional<std::string> ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);

// The colour the screen shows at a point of the window's client area.
COLORREF ClientPixel(HWND hWnd, POINT point);

// The item texts of a combo or list box of another process, '|' between them.
std::string ItemTexts(HWND control, UINT countMessage, UINT textMessage);

// A dialog of the process with that title, shown now.
HWND FindDialog(DWORD processId, const std::string& title);
// A click on a dialog's button, as the button itself makes it (the dialog hears of it later).
void ClickButton(HWND dialog, int id);
// A key pressed and released with the window in front, as the keyboard delivers it.
void PressKey(HWND hWnd, WORD key);

// The colours the screen shows over the rectangle; none when it can't be read.
std::set<COLORREF> ScreenColours(HWND hWnd, const RECT& area);

// Repaints the window now and saves what the screen shows of the rectangle as a 24-bit BMP.
bool SaveScreenshot(HWND hWnd, const RECT& area, const std::string& path);
// Saves what the screen shows of the rectangle now, without repainting anything first.
bool SaveScreen(const RECT& area, const std::string& path);
